// What every element-set reader offers: whether a text is in its format, its
// sets one after another, and the loop that turns the sets into objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/TextFile.h"

class CObjects;
struct OrbitalElements_t;

class ElementsFile {
public:
    TextFile* m_file = nullptr;  // not owned
    bool m_valid = false;

    ElementsFile() = default;
    explicit ElementsFile(TextFile* file) : m_file(file) {}
    virtual ~ElementsFile();

    virtual bool Validate();
    // False at the end of the text or at a set that is not well formed.
    virtual bool ReadFirstElements(OrbitalElements_t& rec);
    virtual bool ReadNextElements(OrbitalElements_t& rec);

    bool SetFile(TextFile* file);

    // Every set becomes an object; always 0.
    int ReadObjects(CObjects& list);
    // Only the selected sets; matched numbers and plain names leave their
    // lists, wildcard patterns stay for later sets. Always 0.
    int ReadObjects(CObjects& list, std::vector<uint32_t>& catnums, std::vector<std::string>& names);

    // Whole name against whole pattern, case folded, with ? and *.
    static bool MatchName(const std::string& name, const std::string& pattern);

private:
    static void addObject(CObjects& list, const OrbitalElements_t& rec);
};
