// The INI document: named sections of named text values, read from and
// written to the settings file, with typed reads and writes of one value.
#include "foundation/CIniFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include "foundation/ov_fio.h"
#include "foundation/ov_str.h"

namespace {

bool s_isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string s_trimLeft(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && s_isSpace(s[i])) ++i;
    return s.substr(i);
}

std::string s_trimRight(const std::string& s)
{
    size_t n = s.size();
    while (n > 0 && s_isSpace(s[n - 1])) --n;
    return s.substr(0, n);
}

// strtol base 10 over the whole text, clamped to 32 bits so that a platform
// with a 64-bit long reads the same numbers as one with a 32-bit long.
bool s_toInt(const std::string& text, int& value)
{
    const char* p = text.c_str();
    char* end = nullptr;
    long v = std::strtol(p, &end, 10);
    // A NUL inside the text also stops the conversion short of its end.
    if (end != p + text.size()) return false;
    if (v > INT32_MAX)
        v = INT32_MAX;
    else if (v < INT32_MIN)
        v = INT32_MIN;
    value = static_cast<int>(v);
    return true;
}

bool s_toByte(const std::string& text, unsigned char& value)
{
    const char* p = text.c_str();
    char* end = nullptr;
    unsigned long v = std::strtoul(p, &end, 10);
    if (end != p + text.size() || v > 255) return false;
    value = static_cast<unsigned char>(v);
    return true;
}

// Walks the list one space-separated token at a time; a trailing space ends
// the list, two spaces in a row give an empty token (which reads as 0).
template <typename T, typename Convert>
int s_getList(const std::string& text, T* values, unsigned n, Convert convert)
{
    std::istringstream in(text);
    std::string token;
    int count = 0;
    while (std::getline(in, token, ' ')) {
        T v{};
        if (!convert(token, v)) break;
        if (static_cast<unsigned>(count) < n) values[count] = v;
        ++count;
    }
    return count;
}

// Settings run to a few kilobytes; a file far past that is no settings
// file, and is not taken into memory whole.
constexpr size_t kMaxIniBytes = 64u << 20;

// Why an open failed that counts as no file at all: nothing there, or
// something that is not a regular file (fio_open's own refusals).
bool s_isNoFile(int err) { return err == ENOENT || err == ENOTDIR || err == EISDIR || err == ENXIO; }

}  // namespace

CIniFile::CIniFile(const std::string& fileName) { Load(fileName); }

CIniFile::CIniFile(std::istream& in) { load(in); }

int CIniFile::Load(const std::string& fileName)
{
    m_sections.clear();
    // fio_open never waits: a FIFO or a device reads as no file.
    FILE* f = fio_open(fileName.c_str(), "rb");
    if (!f) return s_isNoFile(errno) ? 0 : kIniUnread;
    // A file being rewritten in place is read once the rewrite is done.
    if (!fio_lock(fileno(f), false)) {
        const int err = errno;
        std::fclose(f);
        errno = err;
        return kIniUnread;
    }
    // Read to the end of what was opened, never to a size asked of the name:
    // another copy of the program may rename a new file over it meanwhile.
    std::string text;
    char buf[4096];
    bool unread = false;
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) {
        if (text.size() + n > kMaxIniBytes) {
            errno = EFBIG;
            unread = true;
            break;
        }
        text.append(buf, n);
    }
    unread = unread || std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (unread) {
        errno = err;
        return kIniUnread;
    }
    const size_t mark = str_markLen(text.data(), text.size());
    return load(text.substr(mark));
}

int CIniFile::load(std::istream& in)
{
    m_sections.clear();
    if (!in.good()) return 0;

    CIniSection* current = nullptr;
    std::string raw;
    while (std::getline(in, raw)) {
        const std::string line = s_trimLeft(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;

        if (line[0] == '[') {
            const size_t p = line.find(']');
            if (p == std::string::npos) return 1;
            if (p == 1) return 2;
            // Blanks inside the brackets belong to the name; text after "]" is ignored.
            current = &m_sections[line.substr(1, p - 1)];
            continue;
        }

        if (current == nullptr) return 3;
        const size_t p = line.find('=');
        if (p == std::string::npos) return 4;
        if (p == 0) return 5;
        (*current)[s_trimRight(line.substr(0, p))] = s_trimRight(s_trimLeft(line.substr(p + 1)));
    }
    return 0;
}

int CIniFile::load(const std::string& text)
{
    std::istringstream in(text);
    return load(in);
}

void CIniFile::Save(const std::string& fileName) const
{
    std::ofstream out(fileName);
    if (out.is_open()) save(out);
}

void CIniFile::save(std::ostream& out) const
{
    for (const auto& section : m_sections) {
        out << '[' << section.first << "]\n";
        for (const auto& kv : section.second) out << kv.first << '=' << kv.second << '\n';
    }
}

CIniSection* CIniFile::GetSection(const char* name)
{
    auto it = m_sections.find(name);
    return it == m_sections.end() ? nullptr : &it->second;
}

const std::string* CIniFile::find(const char* section, const char* key) const
{
    auto s = m_sections.find(section);
    if (s == m_sections.end()) return nullptr;
    auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

bool CIniFile::Get(const char* section, const char* key, std::string& value) const
{
    const std::string* v = find(section, key);
    if (v == nullptr) return false;
    value = *v;
    return true;
}

bool CIniFile::Set(const char* section, const char* key, const std::string& value)
{
    // Both names are built before anything is created, so a null name
    // throws without leaving an empty section behind.
    std::string s(section);
    std::string k(key);
    m_sections[std::move(s)][std::move(k)] = value;
    return true;
}

bool CIniFile::Set(const char* section, const char* key, const char* value)
{
    return Set(section, key, std::string(value));
}

bool CIniFile::Get(const char* section, const char* key, int& value) const
{
    const std::string* v = find(section, key);
    return v != nullptr && s_toInt(*v, value);
}

bool CIniFile::Set(const char* section, const char* key, int value)
{
    return Set(section, key, std::to_string(value));
}

int CIniFile::Get(const char* section, const char* key, int* values, unsigned n) const
{
    const std::string* v = find(section, key);
    return v == nullptr ? 0 : s_getList(*v, values, n, s_toInt);
}

int CIniFile::Get(const char* section, const char* key, unsigned char* values, unsigned n) const
{
    const std::string* v = find(section, key);
    return v == nullptr ? 0 : s_getList(*v, values, n, s_toByte);
}

bool CIniFile::Set(const char* section, const char* key, const int* values, unsigned n)
{
    std::string text;
    for (unsigned i = 0; i < n; ++i) text += std::to_string(values[i]) + ' ';
    return Set(section, key, text);
}

bool CIniFile::Set(const char* section, const char* key, const unsigned char* values, unsigned n)
{
    std::string text;
    for (unsigned i = 0; i < n; ++i) text += std::to_string(static_cast<unsigned>(values[i])) + ' ';
    return Set(section, key, text);
}
