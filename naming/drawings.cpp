#include "naming/drawings.h"

#include "app/office_paths.h"
#include "app/open_document.h"
#include "app/version.h"
#include "naming/name_composition.h"
#include "naming/names.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {
namespace {

// The drawing type the copy and open act on: the one given, or read again
// from its saved choice file; nothing (after "Missing file : ") when it
// cannot be read.
template <class T>
std::optional<std::string> savedDrawingType(Platform& platform, const OfficePaths& paths, Outcome<T>& o,
                                            const std::optional<std::string>& given = std::nullopt) {
    if (given) return given;
    const auto saved = readDrawingType(platform, paths);
    if (saved.read()) return saved.value;
    o.refuse("Missing file : " + platform.displayPath(paths.drawingTypeFileViaUserDir()), Reason::Failed);
    return std::nullopt;
}

// Copies the template to the target; a target that appeared meanwhile
// (another user was quicker) or a copy that fails is a failure of the routine.
void copyTemplate(Platform& platform, const OfficePaths& paths, const std::string& templateFile,
                  const std::string& target, const std::string& projectCode, Outcome<std::string>& o) {
    if (platform.copyToNewFile(templateFile, target) != CopyOutcome::Copied) throw RuntimeFailure("copy failed");
    o.say("File " + platform.displayPath(target) + " created.");
    o.value = target;
    writeVersionMarker(platform, paths, projectCode);
}

}  // namespace

void writeVersionMarker(Platform& platform, const OfficePaths& paths, const std::string& projectCode) {
    try {
        const std::string label = toLower(versionLabel);
        const std::string path = paths.versionMarker(projectCode, label);
        if (!platform.fileExists(path)) platform.createNewFile(path, recordLine({label}));
    } catch (const std::exception&) {
    }
}

Outcome<std::string> createModelDrawing(Platform& platform, const OfficePaths& paths, const ModelDrawing& d) {
    Outcome<std::string> o;
    try {
        const auto drawingType = savedDrawingType(platform, paths, o, d.drawingType);
        if (!drawingType) return o;
        if (d.discipline.empty() || d.project.code.empty() || d.name.empty())
            return o.refuse("You must define modelname, discipline and project code.");
        const std::string folder = paths.modelFolder(d.project.code, *drawingType, d.discipline);
        const std::string templateFile = paths.modelTemplate(d.discipline, d.modelType);
        if (!platform.fileExists(templateFile))
            return o.refuse("Missing file : " + platform.displayPath(templateFile), Reason::Failed);
        const std::string target = paths.drawingIn(folder, d.name);
        if (platform.fileExists(target))
            return o.refuse("NOTE : the " + d.name + ".dwg already exists in the your" +
                                platform.displayPath(folder + "\\") + ". Check the name.",
                            Reason::Exists);
        copyTemplate(platform, paths, templateFile, target, d.project.code, o);
    } catch (const std::exception&) {
        o.refuse("Unknown error during routine.", Reason::Failed);
    }
    return o;
}

Outcome<std::string> createSheetDrawing(Platform& platform, const OfficePaths& paths, const SheetDrawing& d) {
    Outcome<std::string> o;
    try {
        const auto drawingType = savedDrawingType(platform, paths, o, d.drawingType);
        if (!drawingType) return o;
        if (d.discipline.empty() || d.project.code.empty() || d.name.empty())
            return o.refuse("You must define sheet name, discipline and project code.");
        // No folder is created here: only a composition from the code box makes them.
        const std::string folder = paths.sheetFolder(d.project.code, *drawingType, d.discipline);
        const std::string templateFile = paths.styleSheet(d.project.code);
        if (!platform.fileExists(templateFile))
            return o.refuse("Missing file : " + platform.displayPath(templateFile), Reason::Failed);
        const std::string target = paths.drawingIn(folder, d.name);
        if (platform.fileExists(target))
            return o.refuse("NOTE : the " + d.name + ".dwg" + " already exists in the your " +
                                platform.displayPath(folder) + ". Check the name.",
                            Reason::Exists);
        copyTemplate(platform, paths, templateFile, target, d.project.code, o);
    } catch (const std::exception&) {
        o.refuse("Unknown error during routine.", Reason::Failed);
    }
    return o;
}

namespace {

// The drawing to open must exist; the user is told which one opens.
Outcome<std::string>& announce(Platform& platform, const std::string& target, Outcome<std::string>& o) {
    if (!platform.fileExists(target)) return o.refuse("File missing : " + platform.displayPath(target));
    o.say("NOTE : this is the file " + platform.displayPath(target) + "  that will be opened");
    o.value = target;
    return o;
}

constexpr const char* cannotStartMessage = "Cannot find acad.exe in the AutoCAD path defined in the TRV.ini !!!";

}  // namespace

Outcome<std::string> locateModelDrawing(Platform& platform, const OfficePaths& paths, const ModelDrawing& d) {
    Outcome<std::string> o;
    try {
        const auto drawingType = savedDrawingType(platform, paths, o);
        if (!drawingType) return o;
        if (d.discipline.empty() || d.project.code.empty() || d.name.empty())
            return o.refuse("You must define modelname, discipline and project code.");
        // The template must exist, also when the drawing is only opened.
        const std::string templateFile = paths.modelTemplate(d.discipline, d.modelType);
        if (!platform.fileExists(templateFile))
            return o.refuse("Missing file : " + platform.displayPath(templateFile), Reason::Failed);
        return announce(platform,
                        paths.drawingIn(paths.modelFolder(d.project.code, *drawingType, d.discipline), d.name), o);
    } catch (const std::exception&) {
        return o.refuse(cannotStartMessage, Reason::Failed);
    }
}

Outcome<std::string> locateSheetDrawing(Platform& platform, const OfficePaths& paths, const ShownSheet& s) {
    Outcome<std::string> o;
    try {
        const auto drawingType = savedDrawingType(platform, paths, o);
        if (!drawingType) return o;
        if (s.discipline.empty() || s.project.code.empty() || s.composedName.empty())
            return o.refuse("You must define sheet name, discipline and project code.");
        if (!naming::isSafeFolderName(s.discipline))
            return o.refuse(unsafeValueMessage("discipline", s.discipline));
        if (!readCurrentProject(platform, paths).read())
            return o.refuse("Missing file : " + platform.displayPath(paths.currentProjectFile()));
        return announce(
            platform, paths.drawingIn(paths.sheetFolder(s.project.code, *drawingType, s.discipline), s.shownName), o);
    } catch (const std::exception&) {
        return o.refuse(cannotStartMessage, Reason::Failed);
    }
}

void openDrawing(Platform& platform, UserInteraction& ui, const AppSettings& settings, const std::string& drawing) {
    if (!settings.OpenInAutoCAD.empty()) {
        platform.startProgram(settings.OpenInAutoCAD, drawing);
        return;
    }
    openDocumentOrChooser(platform, ui, drawing);
}

}  // namespace trv
