// Text-to-number conversion for the element-set parser, independent of the
// program's locale.
#pragma once

#include <locale>
#include <sstream>
#include <string>

namespace orbit {
namespace Util {

// True when one value could be read from the start of the text; trailing
// characters are ignored.
template <typename T>
bool FromString(const std::string& str, T& val)
{
    std::istringstream ss(str);
    ss.imbue(std::locale::classic());
    return static_cast<bool>(ss >> val);
}

}  // namespace Util
}  // namespace orbit
