// Shared by the catalogue tests: scratch folders, element sets written with
// correct checksums, and the published element files.
#include "catalogue_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "catalogue/CObjects.h"

const char kIssLine1[] = "1 25544U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  9998";
const char kIssLine2[] = "2 25544  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161584353";

std::string with_checksum(const std::string& first68) {
    int sum = 0;
    for (char c : first68) {
        if (c >= '0' && c <= '9') sum += c - '0';
        if (c == '-') sum += 1;
    }
    return first68 + char('0' + sum % 10);
}

static std::string s_withCat(const char* line, const std::string& catField) {
    std::string s(line, 68);
    s.replace(2, 5, catField);
    return with_checksum(s);
}

std::string tle_line1(const std::string& catField) { return s_withCat(kIssLine1, catField); }

std::string tle_line2(const std::string& catField) { return s_withCat(kIssLine2, catField); }

std::string tle_set(const std::string& name, const std::string& catField) {
    return name + "\r\n" + tle_line1(catField) + "\r\n" + tle_line2(catField) + "\r\n";
}

std::string elements_path(const std::string& name) {
    return std::string(OV_TEST_DATA_DIR) + "/elements/" + name;
}

std::vector<std::string> names_of(const CObjects& list) {
    std::vector<std::string> names;
    for (object_t* o = list.m_head; o; o = o->next) {
        char buf[kObjNameSize];
        names.push_back(obj_name(buf, o));
    }
    return names;
}

std::vector<unsigned> catnums_of(const CObjects& list) {
    std::vector<unsigned> nums;
    for (object_t* o = list.m_head; o; o = o->next) nums.push_back(obj_catnum(o));
    return nums;
}
