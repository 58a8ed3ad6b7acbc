// The object list: which element-set files to read and which satellites to
// take from each, in the line-based or the braced-group version.
#include "catalogue/ManagerFile.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "catalogue/load_objs.h"
#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "orbit/Tle.h"

namespace {

constexpr unsigned kLineSize = 300;  // lines keep at most 299 characters
constexpr char s_alpha5chars[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";

bool isSpace(uint8_t c) { return std::isspace(c) != 0; }

// A catalogue number in base 10 as a 32-bit unsigned long would hold it.
uint32_t toCatnum(const char* digits)
{
    const unsigned long long v = std::strtoull(digits, nullptr, 10);
    return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : uint32_t(v);
}

}  // namespace

int ManagerFile::Load(CObjects& list, const char* path)
{
    const int code = m_file.Open(path);
    if (code != 0) return code;
    // The list is read as if the mark were not there, so it neither becomes
    // part of the first name nor hides a first > or *.
    if (const size_t mark = str_markLen(m_file.start, m_file.size)) {
        std::memmove(m_file.start, m_file.start + mark, m_file.size - mark);
        m_file.size -= uint32_t(mark);
        m_file.end -= mark;
    }
    m_objs = &list;
    int result = 0;
    if (Version() == 1)
        ReadV1();
    else
        result = ReadV2();
    m_file.Close();
    return result;
}

int ManagerFile::Version()
{
    m_file.SeekSet(0);
    const uint8_t* p = m_file.start;
    while (p < m_file.end && *p != '{' && *p != '>' && *p != '*') ++p;
    if (p == m_file.end || *p == '{') return 2;
    if (*p == '>') return 1;
    // A star that begins a line opens a version-1 selection.
    while (p > m_file.start && p[-1] != '\r' && p[-1] != '\n' && isSpace(p[-1])) --p;
    return (p == m_file.start || p[-1] == '\r' || p[-1] == '\n') ? 1 : 2;
}

int ManagerFile::ReadV1()
{
    char line[kLineSize];
    std::string prefix;
    // A line longer than the buffer is cut, and a cut name is some other
    // file's: such a name, or any name after such a prefix, names nothing.
    bool prefixCut = false;
    while (m_file.cur < m_file.end) {
        const unsigned len = m_file.ReadLine(line, kLineSize);
        if (len == 0) continue;
        const bool cut = len >= kLineSize;
        str_trim(line);
        std::string name;
        switch (line[0]) {
        case '\0':
        case '#': continue;
        case '>':
            prefix = str_trim(line + 1);
            prefixCut = cut;
            continue;
        case '<':
            prefix.clear();
            prefixCut = false;
            continue;
        case '*':
            name = str_trim(line + 1);
            if (ReadSearchIdents() != 0) return 0;
            // With no name the selection waits for the next file loaded.
            if ((m_catnums.empty() && m_names.empty()) || name.empty()) continue;
            break;
        default: name = line; break;
        }
        // Prefix and name must fit the 299 characters of a path; an entry
        // that does not is skipped rather than cut into another name, and
        // its selection goes with it, as with a name that does not exist.
        if (cut || prefixCut || prefix.size() + name.size() >= kLineSize) {
            m_catnums.clear();
            m_names.clear();
            continue;
        }
        m_path = prefix + name;
        LoadObjects();
    }
    return 0;
}

int ManagerFile::ReadSearchIdents()
{
    char line[kLineSize];
    while (m_file.cur < m_file.end) {
        if (m_file.ReadLine(line, kLineSize) == 0) continue;
        str_trim(line);
        if (std::strcmp(line, "*") == 0) return 0;
        if (line[0] == '#') continue;
        if (str_isdigit(line))
            m_catnums.push_back(toCatnum(line));
        else
            m_names.push_back(line);
    }
    return -1;
}

// What the next token is; with consume, a word goes into m_token and a brace
// is passed, otherwise the cursor stops after the white space before it.
int ManagerFile::tokenKind(bool consume)
{
    while (m_file.cur < m_file.end && isSpace(*m_file.cur)) ++m_file.cur;
    if (m_file.cur == m_file.end) return 0;
    const uint8_t c = *m_file.cur;
    if (c == '{' || c == '}') {
        if (consume) ++m_file.cur;
        return c == '{' ? 2 : 3;
    }
    if (!consume) return 1;
    // A word runs to the line end or a brace, so it may hold blanks.
    const uint8_t* s = m_file.cur;
    const uint8_t* e = s;
    while (e < m_file.end && *e != '\r' && *e != '\n' && *e != '{' && *e != '}') ++e;
    m_file.cur = const_cast<uint8_t*>(e);
    while (e > s && isSpace(e[-1])) --e;
    size_t n = size_t(e - s);
    m_tokenCut = n >= sizeof m_token;
    if (m_tokenCut) n = sizeof m_token - 1;
    std::memcpy(m_token, s, n);
    m_token[n] = '\0';
    return 1;
}

int ManagerFile::ReadToken() { return tokenKind(true); }

int ManagerFile::SeekToken() { return tokenKind(false); }

int ManagerFile::PeekToken()
{
    uint8_t* at = m_file.cur;
    const int kind = tokenKind(false);
    m_file.cur = at;
    return kind;
}

unsigned ManagerFile::CatId(const char* word)
{
    uint32_t letter = 0;
    const char* digits = word;
    const char* hit = word[0] ? std::strchr(s_alpha5chars, word[0]) : nullptr;
    if (hit) {
        letter = uint32_t(orbit::Tle::Alpha5Value(*hit)) * 10000u;
        ++digits;
    }
    if (!str_isdigit(digits)) return 0;
    return letter + toCatnum(digits);
}

int ManagerFile::ReadV2()
{
    int token = ReadToken();
    for (;;) {
        if (token != 1) return token == 0 ? 0 : -1;
        m_path = m_token;
        const int kind = m_tokenCut ? 0 : fsys_type(m_path.c_str());
        const int next = SeekToken();
        if (next == 3) return -1;
        if (next == 2) {
            if (kind == 1)
                ReadFileGroup();
            else if (kind == 2)
                ReadDirGroup();
            else
                SkipGroup();
        }
        else if (kind == 1) {
            LoadObjects();
        }
        token = ReadToken();
    }
}

int ManagerFile::SkipGroup()
{
    if (ReadToken() != 2) return -1;
    for (int depth = 1; depth > 0;) {
        const int token = ReadToken();
        if (token == 0) return -1;
        if (token == 2) ++depth;
        if (token == 3) --depth;
    }
    return 0;
}

int ManagerFile::ReadFileGroup()
{
    m_catnums.clear();
    m_names.clear();
    if (ReadToken() != 2) return -1;
    int token;
    while ((token = ReadToken()) == 1) {
        if (m_tokenCut) continue;
        const unsigned id = CatId(m_token);
        if (id != 0)
            m_catnums.push_back(id);
        else
            m_names.push_back(m_token);
    }
    if (!m_catnums.empty() || !m_names.empty()) LoadObjects();
    return token == 3 ? 0 : -1;
}

int ManagerFile::ReadDirGroup()
{
    if (m_path.empty() || m_path.back() != kDirSep) m_path += kDirSep;
    m_dirLen = uint32_t(m_path.size());
    if (ReadToken() != 2) return -1;
    int token;
    while ((token = ReadToken()) == 1) {
        const bool cut = m_tokenCut;
        m_path.resize(m_dirLen);
        m_path += m_token;
        const int kind = cut ? 0 : fsys_type(m_path.c_str());
        if (PeekToken() == 2) {
            if (kind == 1)
                ReadFileGroup();
            else
                SkipGroup();
        }
        else if (kind == 1) {
            LoadObjects();
        }
        m_path.resize(m_dirLen);
    }
    return token == 3 ? 0 : -1;
}

int ManagerFile::LoadObjects()
{
    if (m_catnums.empty() && m_names.empty()) return load_objs(*m_objs, m_path);
    const int code = load_objs(*m_objs, m_path, m_catnums, m_names);
    m_catnums.clear();
    m_names.clear();
    return code;
}
