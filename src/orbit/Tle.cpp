// Element-set holder: one satellite's mean elements at their epoch, filled
// by the catalogue readers or parsed from a name and two text lines.
#include "orbit/Tle.h"

#include <cctype>

#include "orbit/Util.h"

namespace orbit {

namespace {

constexpr std::string::size_type kLineLength = 69;

// Columns (from 0) and widths of the fields.
constexpr int kLine1NoradStart = 2, kLine1NoradLen = 5;
constexpr int kLine1IntlDesStart = 9, kLine1IntlDesLen = 8;
constexpr int kLine1EpochYearStart = 18, kLine1EpochYearLen = 2;
constexpr int kLine1EpochDayStart = 20, kLine1EpochDayLen = 12;
constexpr int kLine1MeanMotionDt2Start = 33, kLine1MeanMotionDt2Len = 10;
constexpr int kLine1MeanMotionDdt6Start = 44, kLine1MeanMotionDdt6Len = 8;
constexpr int kLine1BstarStart = 53, kLine1BstarLen = 8;
constexpr int kLine2NoradStart = 2, kLine2NoradLen = 5;
constexpr int kLine2InclinationStart = 8, kLine2InclinationLen = 8;
constexpr int kLine2RaanStart = 17, kLine2RaanLen = 8;
constexpr int kLine2EccentricityStart = 26, kLine2EccentricityLen = 7;
constexpr int kLine2ArgPerigeeStart = 34, kLine2ArgPerigeeLen = 8;
constexpr int kLine2MeanAnomalyStart = 43, kLine2MeanAnomalyLen = 8;
constexpr int kLine2MeanMotionStart = 52, kLine2MeanMotionLen = 11;
constexpr int kLine2RevNumberStart = 63, kLine2RevNumberLen = 5;

bool s_isdigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

Tle::Tle(const std::string& name_, const std::string& line_one_, const std::string& line_two_)
    : name(name_), line_one(line_one_), line_two(line_two_)
{
    Initialize();
}

void Tle::Initialize()
{
    if (!IsValidLineLength(line_one)) throw TleException("Invalid length for line one");
    if (!IsValidLineLength(line_two)) throw TleException("Invalid length for line two");
    if (line_one[0] != '1') throw TleException("Invalid line beginning for line one");
    if (line_two[0] != '2') throw TleException("Invalid line beginning for line two");

    unsigned int sat_number_1 = 0;
    unsigned int sat_number_2 = 0;
    ExtractNoradNum(line_one.substr(kLine1NoradStart, kLine1NoradLen), sat_number_1);
    ExtractNoradNum(line_two.substr(kLine2NoradStart, kLine2NoradLen), sat_number_2);
    if (sat_number_1 != sat_number_2) throw TleException("Satellite numbers do not match");
    catnum = sat_number_1;

    if (name.empty()) name = line_one.substr(kLine1NoradStart, kLine1NoradLen);

    intl_designator = line_one.substr(kLine1IntlDesStart, kLine1IntlDesLen);

    unsigned int year = 0;
    double day = 0.0;
    ExtractInteger(line_one.substr(kLine1EpochYearStart, kLine1EpochYearLen), year);
    ExtractDouble(line_one.substr(kLine1EpochDayStart, kLine1EpochDayLen), 4, day);
    ExtractDouble(line_one.substr(kLine1MeanMotionDt2Start, kLine1MeanMotionDt2Len), 2, mean_motion_dt2);
    ExtractExponential(line_one.substr(kLine1MeanMotionDdt6Start, kLine1MeanMotionDdt6Len), mean_motion_ddt6);
    ExtractExponential(line_one.substr(kLine1BstarStart, kLine1BstarLen), bstar);

    ExtractDouble(line_two.substr(kLine2InclinationStart, kLine2InclinationLen), 4, inclination);
    ExtractDouble(line_two.substr(kLine2RaanStart, kLine2RaanLen), 4, raan);
    ExtractDouble(line_two.substr(kLine2EccentricityStart, kLine2EccentricityLen), -1, eccentricity);
    ExtractDouble(line_two.substr(kLine2ArgPerigeeStart, kLine2ArgPerigeeLen), 4, arg_perigee);
    ExtractDouble(line_two.substr(kLine2MeanAnomalyStart, kLine2MeanAnomalyLen), 4, mean_anomaly);
    ExtractDouble(line_two.substr(kLine2MeanMotionStart, kLine2MeanMotionLen), 3, mean_motion);
    unsigned int rev = 0;
    ExtractInteger(line_two.substr(kLine2RevNumberStart, kLine2RevNumberLen), rev);
    rev_number = rev;

    // Two-digit years: 57 to 99 are the twentieth century (the first
    // satellite flew in 1957), 00 to 56 the twenty-first.
    year += year < 57 ? 2000 : 1900;
    epoch = DateTime(year, day);
}

bool Tle::IsValidLineLength(const std::string& str) { return str.length() == kLineLength; }

void Tle::ExtractInteger(const std::string& str, unsigned int& val)
{
    bool found_digit = false;
    unsigned int temp = 0;
    for (char c : str) {
        if (s_isdigit(c)) {
            found_digit = true;
            temp = temp * 10 + static_cast<unsigned int>(c - '0');
        }
        else if (found_digit) {
            throw TleException("Unexpected non digit");
        }
        else if (c != ' ') {
            throw TleException("Invalid character");
        }
    }
    val = found_digit ? temp : 0;
}

int Tle::Alpha5Value(char letter)
{
    const int code = static_cast<unsigned char>(letter);
    if (code <= 'I') return code - 55;
    if (code <= 'O') return code - 56;
    return code - 57;
}

void Tle::ExtractNoradNum(const std::string& str, unsigned int& val)
{
    // Catalogue numbers past 99999 put a letter in the first column.
    if (!str.empty() && std::isalpha(static_cast<unsigned char>(str[0]))) {
        const int letter_value = Alpha5Value(str[0]);
        unsigned int rest = 0;
        ExtractInteger(str.substr(1), rest);
        val = static_cast<unsigned int>(letter_value) * 10000 + rest;
    }
    else {
        ExtractInteger(str, val);
    }
}

void Tle::ExtractDouble(const std::string& str, int point_pos, double& val)
{
    std::string temp;
    if (point_pos >= 0) {
        const std::string::size_type point_index = static_cast<std::string::size_type>(point_pos) - 1;
        bool found_digit = false;
        // A field too short to hold the point cannot be a number.
        if (point_index >= str.length()) throw TleException("Failed to find decimal point");
        for (std::string::size_type i = 0; i < str.length(); ++i) {
            const char c = str[i];
            if (i < point_index) {
                if (i == 0 && (c == '+' || c == '-')) {
                    temp += c;
                }
                else if (s_isdigit(c)) {
                    found_digit = true;
                    temp += c;
                }
                else if (found_digit) {
                    throw TleException("Unexpected non digit");
                }
                else if (c != ' ') {
                    throw TleException("Invalid character");
                }
            }
            else if (i == point_index) {
                if (temp.empty()) temp += '0';
                if (c != '.') throw TleException("Failed to find decimal point");
                temp += c;
            }
            else {
                if (!s_isdigit(c)) throw TleException("Invalid digit");
                temp += c;
            }
        }
    }
    else {
        temp = "0.";
        for (char c : str) {
            if (!s_isdigit(c)) throw TleException("Invalid digit");
            temp += c;
        }
    }
    if (!Util::FromString<double>(temp, val)) throw TleException("Failed to convert value to double");
}

void Tle::ExtractExponential(const std::string& str, double& val)
{
    // Sign, mantissa, exponent sign, exponent: anything shorter than three
    // characters lacks a part.
    if (str.empty() || (str[0] != '-' && str[0] != '+' && str[0] != ' ')) throw TleException("Invalid sign");
    if (str.length() < 3) throw TleException("Invalid exponential sign");
    std::string temp;
    for (std::string::size_type i = 0; i < str.length(); ++i) {
        const char c = str[i];
        if (i == 0) {
            temp += c == '-' ? "-0." : "0.";
        }
        else if (i == str.length() - 2) {
            if (c != '+' && c != '-') throw TleException("Invalid exponential sign");
            temp += 'e';
            temp += c;
        }
        else {
            if (!s_isdigit(c)) throw TleException("Invalid digit");
            temp += c;
        }
    }
    if (!Util::FromString<double>(temp, val)) throw TleException("Failed to convert value to double");
}

}  // namespace orbit
