#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/outcome.h"
#include "app/saved_choices.h"
#include "naming/names.h"

namespace trv {

class Platform;
class OfficePaths;

// The compositions of model and sheet file names as operations: each takes
// what the main window holds at the moment of the click and gives the name,
// or the messages of the step that stopped it. The facility number (and a
// typed sheet number) have been checked and written back by the window first.

// Creates the project's ten folders (both drawing types, the discipline's
// model and sheet folders) in order, each only when it is not found.
void ensureProjectFolders(Platform& platform, const OfficePaths& paths, const std::string& projectCode,
                          const std::string& discipline);

// The message for a typed value that cannot stand in a file or folder name.
std::string unsafeValueMessage(const std::string& field, const std::string& value);

// The model file type code of `modelType` in the model file code file, read
// afresh; throws RuntimeFailure when the file cannot be read.
std::string modeltypecode1(Platform& platform, const OfficePaths& paths, const std::string& modelType);

// Whose internal code a composed name carries: the current project as
// "curproject.txt" last saved it (the window, also when the code box names
// another project), or the project of the code box itself (a front end that
// keeps no saved choices).
enum class NamedProject { Saved, CodeBox };

// A typed facility or sheet number as a name takes it, or the message that
// refuses it; a refusal of the form puts the focus into the main window's box.
// Padded to two characters and upper-cased.
Outcome<std::string> facilityNumberEntry(const std::string& typed);
// DDD-X upper-cased; an empty text stays empty (the next free number).
Outcome<std::string> sheetNumberEntry(const std::string& typed);

struct ModelNameRequest {
    std::string codeBox;     // the hidden project code box
    std::string discipline;  // the discipline list's text
    std::string modelType;   // the model file type list's text
    std::string facility;    // padded and upper-cased
    naming::UserCodeDialogKind dialog = naming::UserCodeDialogKind::None;
    naming::DialogResults dialogResults;  // the last results of that dialog
    std::string userCode;                 // kept when no dialog applies
    Project project;                      // the project worked on so far
    NamedProject namedProject = NamedProject::Saved;
};

// A composition stopped for want of a project (no readable record of the
// code box, or none chosen) says so by Reason::NoProject.
// The model name, and what the composition leaves behind for the next event
// also when it stopped: the project it read and the user code it derived.
struct ModelNameComposition : Outcome<std::string> {
    Project project;
    std::string userCode;
};

ModelNameComposition composeModelFileName(Platform& platform, const OfficePaths& paths, const ModelNameRequest& r);

struct SheetNameRequest {
    std::string codeBox;
    std::string discipline;
    std::string sheetType;    // the sheet type list's text
    int sheetTypeIndex = -1;  // its chosen entry, -1 for typed text
    std::string facility;     // padded and upper-cased
    std::string sheetNumber;  // typed DDD-X, upper-cased, or empty for the next free one
    Project project;
    NamedProject namedProject = NamedProject::Saved;
    // The drawing type whose sheet folder gives the next free number; the
    // saved one ("curdrawingtype.txt") when not given.
    std::optional<std::string> drawingType;
};

struct SheetNameComposition : Outcome<std::string> {
    Project project;
};

SheetNameComposition composeSheetFileName(Platform& platform, const OfficePaths& paths, const SheetNameRequest& r);

// The next free sheet number after the sheets of the project's sheet folder
// of the drawing type (the saved one when not given) and the discipline that
// begin with the name base. Always gives a number: "000" after its message
// when the drawing type is not saved or a name does not end in a number.
Outcome<std::string> GetProjectSheetNumber(Platform& platform, const OfficePaths& paths, const std::string& projCode,
                                           const std::string& discipline, const std::string& strSheetNameBase,
                                           const std::optional<std::string>& drawingType = std::nullopt);

}  // namespace trv
