#pragma once

#include <string>
#include <string_view>

namespace trv {

// Reads one value from the text of an INI file the way the Windows profile
// reader does: section and key names match without regard to letter case,
// blanks before a section header or key name are ignored, blanks around the
// value are removed, one pair of matching quotes around the value is removed,
// and the value is cut to 254 characters. The first occurrence of the key in
// the first matching section wins. Lines starting with ';' are comments.
// Anything missing gives the empty string.
std::string iniValue(std::string_view iniText, std::string_view section, std::string_view key);

}  // namespace trv
