// Element-set text for tests that write their own sets.
#pragma once

#include <string>

// The 68 characters given, then their checksum digit.
std::string with_checksum(const std::string& first68);
