#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/findings.h"

// The naming convention as the check tests a single file name, extension
// included. Positions and lengths count characters, not bytes. A name too
// short for a position yields an empty piece, which matches nothing.
namespace trv::check {

// The pieces of a name the rules look at: the internal code it begins with
// (14 characters when character 12 is a digit, else 15), the discipline
// designator and the model file type code behind it. Empty when the name
// ends before the piece.
std::string_view internalCodeOf(std::string_view name);
std::string_view designatorOf(std::string_view name);
std::string_view modelTypeCodeOf(std::string_view name);

// A model name is 32 or 33 characters long with its extension (a 14- or
// 15-character internal code), a sheet name 28 to 31 (a DDD or DDD-X sheet
// number). The discipline folder itself holds no names.
bool lengthFits(std::string_view name, FolderKind kind);

// The name begins with the whole internal code followed by "-", so that a
// drawing of KLV-13001-DS002 does not pass in project KLV-13001-DS001.
bool projectCodeFits(std::string_view name, std::string_view internalCode);

// The discipline designator stands at character 19 behind a 14-character
// internal code and at character 20 behind a 15-character one; character 12
// (a digit only in a 14-character code) tells which.
bool designatorFits(std::string_view name, std::string_view designator);

// The two-character model file type code stands at character 21 (22 behind a
// 15-character internal code) and must be one of `accepted`.
bool modelTypeFits(std::string_view name, const std::vector<std::string>& accepted);

}  // namespace trv::check
