#pragma once

#include <string>
#include <string_view>

namespace trv {

// Windows paths of any length. Windows' file functions refuse a path of 260
// characters or more unless it is given in the extended form: absolute,
// "\\?\" before a drive path ("\\?\P:\PROJECTS\..."), "\\?\UNC\" in place
// of the two backslashes of a server path ("\\?\UNC\fileserver\cad\...").
// Windows takes such a path literally, so what it would otherwise do to a
// path is done here, as it does it:
// - '/' separates folders as '\' does;
// - a run of separators is one ("folder\" & "\PROJECTS" names the same
//   folder as "folder\PROJECTS"), except the two that begin a server path;
// - a relative path is taken from `currentFolder` (a drive-relative "P:x"
//   from it when it is on that drive, else from the drive's root; a rooted
//   "\x" from its drive or share);
// - "." is dropped and ".." goes up one folder, never above the drive or
//   share;
// - a folder name's single final period is dropped, and the last name's
//   final periods and blanks, unless the path ends with a separator.
// A path already in the extended form ("\\?\", or "\\.\") gets the same
// treatment of what follows its prefix. The empty path stays empty.
// Text is UTF-8; only ASCII characters are looked at.
std::string extendedLengthPath(std::string_view path, std::string_view currentFolder);

// Whether `path` needs a current folder to name anything: not a drive path
// ("P:\..."), not a server path ("\\server\share\...") and not already in
// the extended form.
bool isRelativePath(std::string_view path);

}  // namespace trv
