#pragma once

#include <string>
#include <vector>

#include "app/office_paths.h"
#include "app/outcome.h"
#include "platform/platform.h"

namespace trv {

struct Program;

namespace tools {

// The reference documents behind the main window's document buttons.
enum class ReferenceDocument { UserManual, ModelsList, DraftingConventions, AecSymbols, Notations };

// A document found for its button.
struct DocumentToOpen {
    std::string path;
    std::string shellFailure;  // what precedes the shell's number when opening fails
};

// Takes the first of the document's candidates that exists as a file (found
// without regard to letter case): the resource folder's copy, then for the
// two chapters of the National CAD Standard the copy in the CAD-standards
// product's folder when one is configured. Refused with the message that
// says it is missing when none exists.
Outcome<DocumentToOpen> findReferenceDocument(Platform& platform, const OfficePaths& paths,
                                     ReferenceDocument document);

// The projects list as rebuilt from the contents of the project record
// files, in listing order: each file's lines run together on one line, then
// one more empty line.
std::string projectsListText(const std::vector<std::string>& recordFiles);

// Rebuilds "klvprojects.txt" from the project record folder and returns its
// path to open; none when no resource folder is configured. A record file
// that cannot be read is left out; a record folder that cannot be entered
// leaves the list as it was; a list that cannot be written is opened as it is.
ConfiguredPath rebuildProjectsList(Platform& platform, const OfficePaths& paths);

}  // namespace tools

// The document buttons of the main window.
void cmdusemanual_Click(Program& p);
void cmdModelslist_Click(Program& p);
void cmdncs4_Click(Program& p);
void cmdaecsymb_Click(Program& p);
void cmdNcsNotation_Click(Program& p);
void cmdprojecsfile_Click(Program& p);

}  // namespace trv
