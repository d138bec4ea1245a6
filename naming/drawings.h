#pragma once

#include <optional>
#include <string>

#include "app/outcome.h"
#include "app/saved_choices.h"

namespace trv {

class Platform;
class OfficePaths;
class UserInteraction;
struct AppSettings;

// Creating a drawing from its template and finding the drawing to open, as
// operations over a composed name. Each gives the messages the user sees, in
// order; a copy that completed gives the new drawing's path, a search that
// completed the path of the drawing to open.

struct ModelDrawing {
    std::string name;        // the composed model file name
    std::string modelType;   // the model file type: the template's name
    std::string discipline;  // the discipline list's text
    Project project;
    // The drawing type whose folder takes the drawing; the saved one
    // ("curdrawingtype.txt", "Missing file : " when it is not there) when not given.
    std::optional<std::string> drawingType;
};

struct SheetDrawing {
    std::string name;        // the composed sheet file name
    std::string discipline;
    Project project;
    std::optional<std::string> drawingType;  // as for a model drawing
};

// Copies the model template of the discipline and model file type under the
// name into the model folder of the drawing type, never over an
// existing drawing, and leaves the version marker.
Outcome<std::string> createModelDrawing(Platform& platform, const OfficePaths& paths, const ModelDrawing& d);
// Copies the project's style sheet under the name into its sheet folder.
Outcome<std::string> createSheetDrawing(Platform& platform, const OfficePaths& paths, const SheetDrawing& d);

// The model drawing of the name, when it and its template exist.
Outcome<std::string> locateModelDrawing(Platform& platform, const OfficePaths& paths, const ModelDrawing& d);

// The sheet drawing shown in the sheet name box. `composedName` is the last
// composed sheet name (one must have been composed), `project` the project
// worked on.
struct ShownSheet {
    std::string shownName;
    std::string composedName;
    std::string discipline;
    Project project;
};
Outcome<std::string> locateSheetDrawing(Platform& platform, const OfficePaths& paths, const ShownSheet& s);

// Leaves the version marker in the project folder unless one is there;
// failures are ignored.
void writeVersionMarker(Platform& platform, const OfficePaths& paths, const std::string& projectCode);

// Opens a drawing: in the configured CAD program when there is one (the path
// given as one argument), otherwise through the shell, with the chooser of
// programs when no program is associated with drawings. Throws RuntimeFailure
// when the CAD program cannot be started.
void openDrawing(Platform& platform, UserInteraction& ui, const AppSettings& settings, const std::string& drawing);

}  // namespace trv
