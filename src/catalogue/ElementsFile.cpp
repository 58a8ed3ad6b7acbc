// What every element-set reader offers: whether a text is in its format, its
// sets one after another, and the loop that turns the sets into objects.
#include "catalogue/ElementsFile.h"

#include <algorithm>

#include "catalogue/CObjects.h"
#include "orbit/ov_obj.h"

ElementsFile::~ElementsFile() = default;

bool ElementsFile::Validate() { return false; }

bool ElementsFile::ReadFirstElements(OrbitalElements_t&) { return false; }

bool ElementsFile::ReadNextElements(OrbitalElements_t&) { return false; }

bool ElementsFile::SetFile(TextFile* file)
{
    m_file = file;
    m_valid = file ? Validate() : false;
    return m_valid;
}

void ElementsFile::addObject(CObjects& list, const OrbitalElements_t& rec)
{
    object_t* obj = nullptr;
    // A set the propagator refuses is skipped; reading goes on.
    if (new_obj(&obj, rec) == 0) list.Add(obj);
}

int ElementsFile::ReadObjects(CObjects& list)
{
    // One record serves every set of the file.
    OrbitalElements_t rec{};
    for (bool ok = ReadFirstElements(rec); ok; ok = ReadNextElements(rec)) addObject(list, rec);
    return 0;
}

static bool s_hasWildcard(const std::string& pattern)
{
    return pattern.find_first_of("*?") != std::string::npos;
}

int ElementsFile::ReadObjects(CObjects& list, std::vector<uint32_t>& catnums, std::vector<std::string>& names)
{
    OrbitalElements_t rec{};
    for (bool ok = ReadFirstElements(rec); ok; ok = ReadNextElements(rec)) {
        auto num = std::find(catnums.begin(), catnums.end(), rec.catnum);
        if (num != catnums.end()) {
            addObject(list, rec);
            catnums.erase(num);
            continue;
        }
        for (auto it = names.begin(); it != names.end(); ++it) {
            if (!MatchName(rec.name, *it)) continue;
            addObject(list, rec);
            // A plain name picks one set per file; a wildcard picks them all.
            if (!s_hasWildcard(*it)) names.erase(it);
            break;
        }
    }
    return 0;
}

static char s_upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

static bool s_onlyStars(const std::string& s, size_t from)
{
    return s.find_first_not_of('*', from) == std::string::npos;
}

bool ElementsFile::MatchName(const std::string& name, const std::string& pattern)
{
    if (name.empty()) return s_onlyStars(pattern, 0);
    size_t p = 0, n = 0;
    bool starred = false;
    size_t starP = 0, starN = 0;  // the one backtracking point
    for (;;) {
        if (n == name.size()) return s_onlyStars(pattern, p);
        if (p < pattern.size()) {
            const char pc = pattern[p];
            // A literal comparison first: a star facing a star is one character.
            if (pc == '?' || s_upper(pc) == s_upper(name[n])) {
                ++p;
                ++n;
                continue;
            }
            if (pc == '*') {
                if (p + 1 == pattern.size()) return true;
                starred = true;
                starP = ++p;
                starN = n;
                continue;
            }
        }
        if (!starred) return false;
        // The last star takes one more character of the name.
        if (++starN == name.size()) return s_onlyStars(pattern, starP);
        p = starP;
        n = starN;
    }
}
