#include "app/state_files.h"

#include "app/program.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {

std::string userStatePath(const Program& p, const std::string& name) {
    return p.settings.UserDir + "\\PROJECTS\\" + name;
}

std::string userStatePathByFolder(const Program& p, const std::string& name) {
    return p.settings.ProjectPath + "\\" + p.settings.UserFolder + "\\PROJECTS\\" + name;
}

std::optional<std::vector<std::string>> readPresentRecord(Program& p, const std::string& path,
                                                          std::size_t count) {
    if (!p.platform.isPresent(path)) return std::nullopt;
    try {
        FieldReader reader(p.platform.readFile(path));
        return reader.next(count);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void writeRecordFile(Program& p, const std::string& path, const std::vector<std::string>& fields) {
    // Without a loaded configuration the path would start at the file-system root.
    if (p.settings.ProjectPath.empty()) throw RuntimeFailure("no projects folder configured");
    p.platform.replaceFile(path, recordLine(fields));
}

void ReadCurrentProject(Program& p) {
    p.loadSettings();
    if (!p.settings.InitOK) return;
    auto& f = p.form1;
    // A file that is present but does not hold three fields counts as missing.
    if (const auto fields = readPresentRecord(p, userStatePath(p, curProjectFile), 3)) {
        f.curProjectCode = (*fields)[0];
        f.projectName = (*fields)[1];
        f.internalCode = (*fields)[2];
    } else {
        f.curProjectCode.clear();
        f.projectName.clear();
        f.internalCode = "0";
    }
}

namespace {

// Reads the one field of a saved choice file. Nothing when the file is
// absent; an unreadable present file throws.
std::optional<std::string> readChoice(Program& p, const std::string& path) {
    if (!p.platform.isPresent(path)) return std::nullopt;
    FieldReader reader(p.platform.readFile(path));
    return reader.next();
}

// An unreadable saved choice ends its reader and makes the configuration unusable.
template <class F>
void readOrDisable(Program& p, F body) {
    try {
        body();
    } catch (const std::exception&) {
        p.settings.InitOK = false;
    }
}

}  // namespace

void ReadCurrentDiscipline(Program& p) {
    p.loadSettings();
    auto& f = p.form1;
    readOrDisable(p, [&] {
        if (const auto value = readChoice(p, userStatePathByFolder(p, curDisciplineFile))) {
            f.curDiscipline = *value;
            f.cmbdisciplines.setText(*value);
            if (p.procs.disciplinecode1) p.procs.disciplinecode1();
        } else {
            f.curDiscipline = " No Discipline Selected yet";
        }
    });
}

void ReadDrawingType(Program& p) {
    p.loadSettings();
    auto& f = p.form1;
    readOrDisable(p, [&] {
        if (const auto value = readChoice(p, userStatePathByFolder(p, curDrawingTypeFile))) {
            f.drawingType = *value;
            f.txtcurDrawingtype.setText(*value);
        } else {
            f.txtcurDrawingtype.setText("");
        }
    });
}

void ReadFacilityNumber(Program& p) {
    p.loadSettings();
    auto& f = p.form1;
    readOrDisable(p, [&] {
        if (const auto value = readChoice(p, userStatePathByFolder(p, facilityNumberFile))) {
            f.txtfacilitynb.setText(*value);
        } else {
            f.txtfacilitynb.setText("");
        }
    });
}

void cmbdesignasbuilt_Click(Program& p) {
    auto& f = p.form1;
    if (f.txtcurrentproj.text().empty()) {
        f.cmbdesignasbuilt.setText("");
        p.message("Please, select project code first.");
        return;
    }
    try {
        f.drawingTypeChoice = f.cmbdesignasbuilt.text();
        if (f.drawingTypeChoice == "Design Drawings") {
            f.selectedDrawingType = "DESIGN";
        } else if (f.drawingTypeChoice == "As-Built Drawings") {
            f.selectedDrawingType = "AS-BUILT";
        }
        writeRecordFile(p, userStatePathByFolder(p, curDrawingTypeFile), {f.selectedDrawingType});
        f.txtcurDrawingtype.setText(f.selectedDrawingType);
    } catch (const std::exception&) {
        // A state folder that cannot be written ends the choice silently.
    }
}

void txtfacilitynb_Change(Program& p) {
    auto& f = p.form1;
    const std::size_t length = charCount(f.txtfacilitynb.text());
    if (length >= 2) {
        try {
            f.cmbProjectCode.click();  // re-accept the project; it checks the number again
        } catch (const std::exception&) {
        }
    }
    if (length == 2) {
        try {
            writeRecordFile(p, userStatePathByFolder(p, facilityNumberFile), {f.txtfacilitynb.text()});
        } catch (const std::exception&) {
        }
    }
}

}  // namespace trv
