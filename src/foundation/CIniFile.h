// The INI document: named sections of named text values, read from and
// written to the settings file, with typed reads and writes of one value.
#pragma once

#include <istream>
#include <map>
#include <ostream>
#include <string>

// Load's result for a file that is there but could not be read to its end,
// or stayed locked by a rewrite (errno says why); the document is then empty.
constexpr int kIniUnread = -1;

// Keys of one section and their values, in byte order.
using CIniSection = std::map<std::string, std::string>;

class CIniFile {
public:
    CIniFile() = default;
    explicit CIniFile(const std::string& fileName);
    explicit CIniFile(std::istream& in);

    // 0 read whole (or no file), 1 "[" without "]", 2 "[]", 3 key before
    // any section, 4 line without "=", 5 empty key, or kIniUnread. A name
    // that is no regular file (FIFO, device, folder) is read as no file.
    int Load(const std::string& fileName);
    int load(std::istream& in);
    int load(const std::string& text);

    void Save(const std::string& fileName) const;
    void save(std::ostream& out) const;

    CIniSection* GetSection(const char* name);

    bool Get(const char* section, const char* key, std::string& value) const;
    bool Set(const char* section, const char* key, const std::string& value);
    bool Set(const char* section, const char* key, const char* value);

    bool Get(const char* section, const char* key, int& value) const;
    bool Set(const char* section, const char* key, int value);

    // Space-separated number lists; the result counts every number read,
    // also those beyond the n that fit into values.
    int Get(const char* section, const char* key, int* values, unsigned n) const;
    int Get(const char* section, const char* key, unsigned char* values, unsigned n) const;
    bool Set(const char* section, const char* key, const int* values, unsigned n);
    bool Set(const char* section, const char* key, const unsigned char* values, unsigned n);

private:
    const std::string* find(const char* section, const char* key) const;

    std::map<std::string, CIniSection> m_sections;
};
