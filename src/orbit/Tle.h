// Element-set holder: one satellite's mean elements at their epoch, filled
// by the catalogue readers or parsed from a name and two text lines.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "orbit/DateTime.h"

namespace orbit {

class TleException : public std::runtime_error {
public:
    explicit TleException(const char* message) : std::runtime_error(message) {}
};

class Tle {
public:
    // Empty strings, epoch tick 0, all numbers 0.
    Tle() = default;

    // Stores the three texts and parses them; throws TleException.
    Tle(const std::string& name, const std::string& line_one, const std::string& line_two);

    void Initialize();

    static bool IsValidLineLength(const std::string& str);
    static void ExtractInteger(const std::string& str, unsigned int& val);
    static void ExtractNoradNum(const std::string& str, unsigned int& val);
    // The value of the letter that leads a catalogue number past 99999: A is
    // 10, and I and O share a value with their neighbour.
    static int Alpha5Value(char letter);
    static void ExtractDouble(const std::string& str, int point_pos, double& val);
    static void ExtractExponential(const std::string& str, double& val);

    // Degrees and revolutions per day, as the element set gives them.
    std::string name;
    std::string line_one;
    std::string line_two;
    std::string intl_designator;
    DateTime epoch;
    double mean_motion_dt2 = 0.0;   // rev/day^2
    double mean_motion_ddt6 = 0.0;  // rev/day^3
    double bstar = 0.0;             // per earth radius
    double inclination = 0.0;
    double raan = 0.0;
    double eccentricity = 0.0;
    double arg_perigee = 0.0;
    double mean_anomaly = 0.0;
    double mean_motion = 0.0;
    uint32_t catnum = 0;
    uint32_t rev_number = 0;
};

}  // namespace orbit
