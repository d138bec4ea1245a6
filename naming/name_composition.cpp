#include "naming/name_composition.h"

#include "app/office_paths.h"
#include "catalogue/tables.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "projects/projects.h"

namespace trv {
namespace {

// The project of the code box: its record read and checked, the discipline
// checked, and the folder tree made ready. False when a check stopped it.
template <class Composition>
bool projectFromCodeBox(Platform& platform, const OfficePaths& paths, const std::string& codeBox,
                        const std::string& discipline, Composition& c) {
    const auto lookup = lookUpProjectToCompose(platform, paths, codeBox);
    c.sayAll(lookup);
    if (!lookup.value) {
        // The code looked for, with what was known of the project before.
        c.project = underCode(c.project, codeBox);
        c.reason = Reason::NoProject;
        return false;
    }
    c.project = *lookup.value;
    if (const auto refusal = catalogue::checkDisciplineChosen(discipline)) {
        c.refuse(*refusal);
        return false;
    }
    if (!naming::isSafeFolderName(discipline)) {
        c.refuse(unsafeValueMessage("discipline", discipline));
        return false;
    }
    if (!naming::isSafeFolderName(c.project.code)) {
        c.refuse(unsafeValueMessage("project code", c.project.code));
        return false;
    }
    ensureProjectFolders(platform, paths, c.project.code, discipline);
    return true;
}

// "curproject.txt" as every composition reads it at the end: a file that is
// missing or cut short is a run-time failure there.
Project currentProjectOrThrow(Platform& platform, const OfficePaths& paths) {
    const auto saved = readCurrentProject(platform, paths);
    if (!saved.read()) throw RuntimeFailure("the current project file cannot be read");
    return saved.value;
}

}  // namespace

Outcome<std::string> facilityNumberEntry(const std::string& typed) {
    Outcome<std::string> e;
    const auto padded = naming::padFacilityNumber(typed);
    if (!padded) {
        e.refuse("Error : Wrong input for facility number. Two digit/letter input is expected.", Reason::Entry,
                 "txtfacilitynb");
    } else if (!naming::isSafeNamePart(*padded)) {
        e.refuse(unsafeValueMessage("facility number", *padded));
    } else {
        e.value = *padded;
    }
    return e;
}

Outcome<std::string> sheetNumberEntry(const std::string& typed) {
    Outcome<std::string> e;
    if (typed.empty()) {
        e.value = typed;
    } else if (!naming::isSheetNumberForm(typed)) {
        e.refuse("Error : Wrong input for sheet number. DDD-X input is expected(D is digit).", Reason::Entry,
                 "txtSheetNmbNew");
    } else if (const std::string number = toUpper(typed); !naming::isSafeNamePart(number)) {
        e.refuse(unsafeValueMessage("sheet number", number));
    } else {
        e.value = number;
    }
    return e;
}

std::string unsafeValueMessage(const std::string& field, const std::string& value) {
    if (!isValidUtf8(value))
        return "Error : The " + field + " is not valid text (UTF-8) and cannot be used in a file or folder name.";
    return "Error : The " + field + " \"" + value + "\" cannot be used in a file or folder name.";
}

void ensureProjectFolders(Platform& platform, const OfficePaths& paths, const std::string& projectCode,
                          const std::string& discipline) {
    std::vector<std::string> folders = {paths.projectsRoot(), paths.projectFolder(projectCode)};
    for (const auto& type : catalogue::drawingTypes()) {
        const std::string& drawingType = type.folder;
        folders.push_back(paths.drawingTypeFolder(projectCode, drawingType));
        folders.push_back(paths.disciplineFolder(projectCode, drawingType, discipline));
        folders.push_back(paths.modelFolder(projectCode, drawingType, discipline));
        folders.push_back(paths.sheetFolder(projectCode, drawingType, discipline));
    }
    ensureFolders(platform, folders);
}

std::string modeltypecode1(Platform& platform, const OfficePaths& paths, const std::string& modelType) {
    return catalogue::modelTypeCodeIn(platform.readTextFile(paths.modelCodeFile()), modelType);
}

ModelNameComposition composeModelFileName(Platform& platform, const OfficePaths& paths, const ModelNameRequest& r) {
    ModelNameComposition c;
    auto stop = [&c](std::string message) {
        c.refuse(std::move(message));
        return c;
    };
    c.project = r.project;
    c.userCode = r.userCode;
    try {
        if (r.codeBox.empty()) {
            const auto saved = readCurrentProject(platform, paths);
            if (saved.status == ReadStatus::Missing) {
                c.refuse("Please select a project", Reason::NoProject);
                return c;
            }
            if (!saved.read()) throw RuntimeFailure("the current project file cannot be read");
            c.project = saved.value;
        } else if (!projectFromCodeBox(platform, paths, r.codeBox, r.discipline, c)) {
            return c;
        }

        if (const auto refusal = catalogue::checkDisciplineChosen(r.discipline))
            return stop(*refusal);
        if (!naming::isSafeFolderName(r.discipline))
            return stop(unsafeValueMessage("discipline", r.discipline));
        if (r.codeBox.empty()) {
            if (!naming::isSafeFolderName(c.project.code))
                return stop(unsafeValueMessage("project code", c.project.code));
            ensureProjectFolders(platform, paths, c.project.code, r.discipline);
        }
        if (const auto refusal = catalogue::checkModelChosen(r.modelType))
            return stop(*refusal);
        if (!naming::isSafeNamePart(r.modelType))
            return stop(unsafeValueMessage("model file type", r.modelType));

        const std::string modelTypeCode = modeltypecode1(platform, paths, r.modelType);
        if (r.dialog != naming::UserCodeDialogKind::None) c.userCode = naming::userCodeFrom(r.dialog, r.dialogResults);
        // Checked as it enters the name: upper-cased.
        if (!naming::isSafeNamePart(toUpper(c.userCode)))
            return stop(unsafeValueMessage("user code", toUpper(c.userCode)));

        // The name carries the internal code of the current project as last
        // saved, also when the code box names another.
        if (!r.codeBox.empty() && r.namedProject == NamedProject::Saved) {
            c.project = currentProjectOrThrow(platform, paths);
        } else if (!r.codeBox.empty()) {
            // The code box's project as accepting it would save it: the drawing
            // goes to that code's folders, as the window's copy does, also
            // when the record's own code differs from its file name.
            c.project = underCode(c.project, r.codeBox);
        }
        if (charCount(c.userCode) != 5) c.userCode = "00-00";
        const std::string name = naming::composeModelName(c.project.internalCode, r.facility,
                                                          catalogue::disciplineCodeOf(r.discipline), modelTypeCode,
                                                          c.userCode);
        // The internal code and the model file type code come from files.
        if (!naming::isSafeNamePart(name)) return stop(unsafeValueMessage("model file name", name));
        c.value = name;
    } catch (const std::exception&) {
        c.refuse("Unknown error", Reason::Failed);
    }
    return c;
}

Outcome<std::string> GetProjectSheetNumber(Platform& platform, const OfficePaths& paths, const std::string& projCode,
                                           const std::string& discipline, const std::string& strSheetNameBase,
                                           const std::optional<std::string>& drawingType) {
    Outcome<std::string> number;
    number.value = "000";
    std::string type;
    if (drawingType) {
        type = *drawingType;
    } else if (const auto saved = readDrawingType(platform, paths); saved.read()) {
        type = saved.value;
    } else {
        number.say("Missing file : " + platform.displayPath(paths.drawingTypeFile()));
        return number;
    }
    std::vector<std::string> names;
    try {
        names = platform.listFilesStartingWith(paths.sheetFolder(projCode, type, discipline), strSheetNameBase);
    } catch (const std::exception&) {
    }
    if (const auto next = naming::nextSheetNumber(names, strSheetNameBase)) {
        number.value = *next;
    } else {
        number.say("Error : Can not calculate Sheet Number");
    }
    return number;
}

SheetNameComposition composeSheetFileName(Platform& platform, const OfficePaths& paths, const SheetNameRequest& r) {
    SheetNameComposition c;
    auto stop = [&c](std::string message) {
        c.refuse(std::move(message));
        return c;
    };
    c.project = r.project;
    try {
        if (!r.codeBox.empty() && !projectFromCodeBox(platform, paths, r.codeBox, r.discipline, c)) return c;
        if (const auto refusal = catalogue::checkDisciplineChosen(r.discipline))
            return stop(*refusal);
        if (const auto refusal = catalogue::checkSheetTypeChosen(r.sheetType))
            return stop(*refusal);
        if (!naming::isSafeFolderName(r.discipline))
            return stop(unsafeValueMessage("discipline", r.discipline));

        if (r.codeBox.empty() || r.namedProject == NamedProject::Saved)
            c.project = currentProjectOrThrow(platform, paths);
        else
            c.project = underCode(c.project, r.codeBox);  // as for a model name
        const std::string base = naming::sheetNameBase(c.project.internalCode, r.facility,
                                                       catalogue::disciplineCodeOf(r.discipline), r.sheetTypeIndex);
        std::string number = r.sheetNumber;
        if (number.empty()) {
            const auto next =
                GetProjectSheetNumber(platform, paths, c.project.internalCode, r.discipline, base, r.drawingType);
            c.sayAll(next);
            number = *next.value;
        }
        const std::string name = toUpper(base + number);
        if (!naming::isSafeNamePart(name)) return stop(unsafeValueMessage("sheet file name", name));
        c.value = name;
    } catch (const std::exception&) {
        c.refuse("Unknown error", Reason::Failed);
    }
    return c;
}

}  // namespace trv
