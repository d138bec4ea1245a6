#pragma once

#include <array>
#include <string>

#include "app/controls.h"

namespace trv {

// Every control of the main window, by its name.
#define TRV_FORM1_CONTROLS(X)                                                                       \
    X(Label14) X(Text2) X(Text1) X(Text3) X(Image1) X(Label9) X(cmbdesignator2) X(Label2)           \
    X(txtprojfacilcode) X(cmdnewproj) X(Label3) X(txtcurrentproj) X(Label13) X(cmbProjectCode)       \
    X(cmdRefresh) X(Label12) X(txtfacilitynb) X(Label11) X(txtcurDrawingtype) X(Label8)              \
    X(cmbdesignasbuilt) X(txtprojcode) X(cmdtypeprojcode) X(Label5) X(cmbdisciplines) X(Label1)      \
    X(txtprojname) X(Label4) X(txtcurdiscipline) X(Label7) X(cmbModels) X(Label6) X(cmbSheettype)    \
    X(cmdcode12) X(Command2) X(txtmodelfilecodes) X(Label10) X(txtSheetusr2) X(Label15)              \
    X(txtSheetNmbNew) X(cmdModelname) X(txtModelname) X(cmdSheetName) X(txtSheetname)                \
    X(cmdCopyModel) X(cmdOpen) X(cmdcopysheet) X(cmdOpen2) X(cmbAutocadversion) X(cmdusemanual)     \
    X(cmdModelslist) X(cmdaecsymb) X(cmdncs4) X(cmdNcsNotation) X(cmdtxtscale) X(cmdprojecsfile)     \
    X(cmdCopyres) X(cmdcancel) X(Command1) X(cmdProjectcode) X(cmbusercode) X(cmbprojectnb)          \
    X(cmbprojectdate) X(cmbfacilitynb) X(cmdDisciplines) X(cmddesignator2) X(cmdModels)              \
    X(cmdSheetusr1) X(cmdSheetusr2) X(cmdSheet) X(cmdModelusr) X(lstDisciplines) X(lstsheettype)

// The main window `Form1`: its controls and the working fields its handlers share.
struct MainWindowState : WindowModel {
    MainWindowState() : WindowModel("Form1") {}

#define TRV_DECLARE_CONTROL(n) Control& n = controls.add(#n);
    TRV_FORM1_CONTROLS(TRV_DECLARE_CONTROL)
#undef TRV_DECLARE_CONTROL

    // The current project as saved, and the project being worked on.
    std::string curProjectCode;
    std::string projectCode;
    std::string projectName;
    std::string internalCode;
    std::string projectsRoot;  // the shared project tree
    // "quit" when a check has failed and the running command must stop.
    std::string quitFlag;

    std::string drawingType;  // "DESIGN", "AS-BUILT" or empty
    std::string drawingTypeChoice;
    std::string selectedDrawingType;
    std::string curDiscipline;
    std::string autocadVersion;  // remembered only

    std::string disciplineCode;  // one letter, or empty when the discipline matched no row
    std::string modelTypeCode;
    std::string modelTypeName;  // the model file type of the last composition
    std::string userCode;       // the last component of a model file name
    std::string modelName;
    std::string sheetName;
    int sheetTypeIndex = 0;

    // The project's folder tree, as the last composition built it.
    std::array<std::string, 10> projectFolders;
    // The paths of the last copy or open.
    std::string templateFile;
    std::string targetFolder;
    std::string targetFile;
};

}  // namespace trv
