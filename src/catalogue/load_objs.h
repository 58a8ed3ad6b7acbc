// Reading one element-set file into the satellite list, its format chosen by
// content: comma-separated first, then two-line and three-line sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CObjects;

// The file's load code (0, 1, 2 or 5); a text in neither format adds nothing.
int load_objs(CObjects& list, const std::string& path);
int load_objs(CObjects& list, const std::string& path, std::vector<uint32_t>& catnums,
              std::vector<std::string>& names);
