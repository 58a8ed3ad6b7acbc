// Feeds arbitrary bytes to the INI parser; whatever it keeps must write out
// and read back to the same document, and typed reads must stay in bounds.
#include "foundation/CIniFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

std::string written(const CIniFile& ini)
{
    std::ostringstream out;
    ini.save(out);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    CIniFile ini;
    const int code = ini.load(text);
    if (code < 0 || code > 5) __builtin_trap();

    // A document as written is always well formed and reads back unchanged.
    const std::string first = written(ini);
    CIniFile back;
    if (back.load(first) != 0 || written(back) != first) __builtin_trap();

    // The number readers over the raw bytes, and over the settings' own keys.
    ini.Set("F", "raw", text);
    int n = 0;
    ini.Get("F", "raw", n);
    int ints[4] = {};
    unsigned char bytes[4] = {};
    ini.Get("F", "raw", ints, 4);
    ini.Get("F", "raw", bytes, 4);
    ini.Get("Plot", "Background", bytes, 4);
    ini.Get("Window", "Rect", ints, 4);
    ini.Get("Plot", "Padding", n);
    return 0;
}
