#pragma once

#include <string>

#include "app/controls.h"
#include "app/saved_choices.h"
#include "platform/user_interaction.h"

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

    // The main window's own rules, each kept here once.

    // Another project, discipline or model type: the names composed so far and
    // the user code no longer apply.
    void dropComposedNames();
    // Shows a project's name and internal code in their boxes.
    void showProject(const Project& shown);
    // Shows a project in the boxes as the current one, its code as `code`.
    void showCurrentProject(const Project& shown, const std::string& code);
    // Shows a composed sheet name, the one opening the shown sheet needs.
    void showSheetName(const std::string& name);
    // A choice that needs a current project: without one the choice's text
    // is emptied, the user is told, and the answer is false.
    bool requireProject(Control& choice, UserInteraction& ui);

    // What the main window's handlers carry from one event to the next; the
    // rest of what a command needs is read from the controls and the saved
    // choice files when it runs.

    // The project being worked on: set by each project selection (also a
    // failed one, as far as it got) and by each name composition, from
    // "curproject.txt". Opening the sheet shown in the sheet name box looks
    // for it in this project's folder.
    Project project;
    // The last component of a model file name: set by each model name
    // composition, emptied when another project, discipline or model file type
    // is chosen. A composition whose model file type needs no dialog keeps it.
    std::string userCode;
    // The last composed sheet name (`showSheetName`); opening the sheet shown
    // in the box needs one to have been composed.
    std::string sheetName;
    // The drawing type of the last choice in the drawing type list: a typed
    // text that is neither entry saves the previous one again.
    std::string selectedDrawingType;
};

}  // namespace trv
