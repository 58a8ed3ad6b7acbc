// Scratch folders and whole-file helpers shared by every test executable:
// real files in a fresh folder that disappears with the test.
#pragma once

#include <string>

// A fresh folder under /tmp, removed with its contents when the object goes.
class TempDir {
public:
    explicit TempDir(const char* prefix = "ov_test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // The full path of name inside the folder.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    // Writes bytes to name inside the folder and returns the full path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

void write_file(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string read_file(const std::string& path);
