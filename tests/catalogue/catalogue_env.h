// Shared by the catalogue tests: scratch folders, element sets written with
// correct checksums, and the published element files.
#pragma once

#include "TempDir.h"
#include "tle_text.h"

#include <string>
#include <vector>

class CObjects;
struct OrbitalElements_t;

// Line 1 and line 2 of a real set (ISS, 2026), 69 characters each.
extern const char kIssLine1[];
extern const char kIssLine2[];

// The header row of the comma-separated form and the ISS set as a row of it,
// its epoch the same instant as day 249.46623009 of 2026; no line ends.
extern const char kCsvHeader[];
extern const char kIssCsvRow[];

// The ISS set under another catalogue-number field (five characters).
std::string tle_line1(const std::string& catField);
std::string tle_line2(const std::string& catField);
// A three-line set: name line, then the ISS lines under catField.
std::string tle_set(const std::string& name, const std::string& catField);

// Checks the orbit of the ISS set above as a reader delivered it: the
// numbers that both the two-line and the comma-separated forms carry.
void expect_iss_orbit(const OrbitalElements_t& rec);

// A published file in tests/data/elements.
std::string elements_path(const std::string& name);

// Names and catalogue numbers of a list, in list order.
std::vector<std::string> names_of(const CObjects& list);
std::vector<unsigned> catnums_of(const CObjects& list);
