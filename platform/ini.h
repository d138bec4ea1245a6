#pragma once

#include <string>
#include <string_view>

namespace trv {

// Reads one value from the text of an INI file the way the Windows profile
// reader (GetPrivateProfileStringA with a 255-character buffer and an empty
// default) does:
// - a UTF-8 or UTF-16 byte-order mark is honoured; lines end with CR LF, LF or CR;
// - a section header runs from '[' to the last ']' on its line; a '[' line
//   without ']' is no header;
// - section and key names match without regard to letter case, and white
//   space (blanks, tabs, Ctrl-Z...) around names and values is ignored;
// - only the first section of the name is searched, and the first line of the
//   key in it wins, even when that line has no '=' (the value is then empty);
// - one pair of matching quotes around the value is removed, and the value
//   is cut to 254 characters;
// - lines starting with ';' are keys whose names begin with ';', so they never
//   match a real setting: in effect, comments.
// Keys before the first header belong to no section. Anything missing gives
// the empty string.
std::string iniValue(std::string_view iniText, std::string_view section, std::string_view key);

}  // namespace trv
