// The scratch folder of a fuzz target: made under $TMPDIR (the fuzz script
// points it at a folder of its own, removed however the target ends) and
// removed at a normal exit.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline std::string& fuzz_scratch_path()
{
    static std::string s_path;
    return s_path;
}

inline const std::string& fuzz_scratch(const char* name)
{
    std::string& path = fuzz_scratch_path();
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name + "_XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(fuzz_scratch_path(), ec);
    });
    return path;
}
