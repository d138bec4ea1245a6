#pragma once

#include <string>
#include <vector>

#include "app/outcome.h"

namespace trv {

struct Program;
class Platform;

// Looks a typed model file code up in the code finder's list: records of
// four fields read four at a time whatever the line ends (an incomplete last
// record ends the reading). Fields 1 and 2 joined must equal the code in
// capitals. Its messages are the answers, one for every matching record in
// file order. Refused with the not-found message when none matches; with
// "Missing file : " and the path when the list cannot be read, or when the
// resource folder is not configured (then nothing is read).
Outcome<Done> lookUpModelFileCode(Platform& platform, const std::string& codeFile,
                                  bool resourceFolderConfigured, const std::string& typedCode);

// "Find modelfile name of the code :". It uses the settings as they stand
// and never loads them itself.
void Command2_Click(Program& p);

}  // namespace trv
