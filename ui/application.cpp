#include "ui/application.h"

#include <initializer_list>

#include "catalogue/choices.h"
#include "check/naming_check.h"
#include "mainwindow/form1.h"
#include "naming/naming_handlers.h"
#include "projects/projects.h"
#include "tools/code_finder.h"
#include "tools/documents.h"
#include "ui/windows.h"

namespace trv::ui {

void loadDesign(const WindowDescription& desc, WindowModel& window) {
    window.caption = desc.caption;
    for (const auto& c : desc.controls) {
        Control* control = window.controls.find(c.name);
        if (!control) continue;
        control->loadItems(c.items);
        control->loadText(c.caption);
        control->visible = c.visible;
        control->enabled = true;
    }
}

Application::Application(Platform& platform, UserInteraction& ui) : program_(platform, ui) {
    addWindow(program_.form1, form1Description());
    addWindow(program_.hyperlnk, hyperLinkMessageDescription());
    addWindow(dialogs_.frmArchitecture, architectureDialogDescription());
    addWindow(dialogs_.frmLegElev, legElevDialogDescription());
    addWindow(dialogs_.frmSections, sectionsDialogDescription());
    addWindow(dialogs_.frmOtherDiscip, otherDisciplinesDialogDescription());
    addWindow(projectCode_, projectCodeDescription());
    addWindow(textScale_, textScaleDescription());
    addWindow(copyResources_, copyResourcesDescription());
    wireForm1();
    wireHyperLinkWindow();
    wireUserCodeDialogs();
    wireProjectCodeWindow();
    wireToolsAndDelivery();
    wireDocumentsAndNamingCheck();
}

void Application::addWindow(WindowModel& window, const WindowDescription& desc) {
    program_.addWindow(window);
    descriptions_[window.name] = &desc;
    order_.push_back(window.name);
    if (&window != &program_.form1) {
        auto previous = window.onLoad;
        window.onLoad = [&window, &desc, previous] {
            loadDesign(desc, window);
            if (previous) previous();
        };
    }
}

WindowModel* Application::window(const std::string& name) {
    const auto it = program_.windows.find(name);
    return it == program_.windows.end() ? nullptr : it->second;
}

const WindowDescription* Application::desc(const std::string& windowName) const {
    const auto it = descriptions_.find(windowName);
    return it == descriptions_.end() ? nullptr : it->second;
}

std::vector<std::string> Application::windowNames() const { return order_; }

void Application::close(const std::string& windowName) {
    WindowModel* w = window(windowName);
    if (!w) return;
    if (w == &program_.form1) {
        program_.end();
    } else {
        w->unload();
    }
}

void Application::start() {
    auto& f = program_.form1;
    loadDesign(form1Description(), f);
    f.loaded = true;
    Form_Load(program_);
    if (!program_.ended) f.visible = true;
}

void Application::wireForm1() {
    Program& p = program_;
    auto& f = p.form1;
    f.cmdcancel.onClick = [&p] { cmdcancel_Click(p); };
    f.cmdRefresh.onClick = [&p] { cmdRefresh_Click(p); };
    f.cmbModels.onClick = [&p] { cmbModels_Click(p); };
    f.cmbModels.onChange = [&p] { cmbModels_Change(p); };
    f.cmbAutocadversion.onClick = [&p] { cmbAutocadversion_Click(p); };
    f.cmbdesignasbuilt.onClick = [&p] { cmbdesignasbuilt_Click(p); };
    f.txtfacilitynb.onChange = [&p] { txtfacilitynb_Change(p); };

    // Projects.
    f.cmbProjectCode.onClick = [&p] { cmbProjectCode_Click(p); };
    f.cmdtypeprojcode.onClick = [&p] { cmdtypeprojcode_Click(p); };
    f.cmdProjectcode.onClick = [&p] { cmdProjectcode_Click(p); };

    // The naming catalogue.
    f.cmbdisciplines.onClick = [&p] { cmbdisciplines_Click(p); };
    f.cmdDisciplines.onClick = [&p] { cmdDisciplines_Click(p); };
    f.cmddesignator2.onClick = [&p] { cmddesignator2_Click(p); };
    f.cmdModels.onClick = [&p] { cmdModels_Click(p); };
    f.cmbSheettype.onClick = [&p] { cmbSheettype_Click(p); };

    // Drawing names, templates and opening.
    auto& d = dialogs_;
    f.cmdModelname.onClick = [&p, &d] { cmdModelname_Click(p, d); };
    f.cmdSheetName.onClick = [&p] { cmdSheetName_Click(p); };
    f.cmdCopyModel.onClick = [&p, &d] { cmdCopyModel_Click(p, d); };
    f.cmdcopysheet.onClick = [&p] { cmdcopysheet_Click(p); };
    f.cmdOpen.onClick = [&p, &d] { cmdOpen_Click(p, d); };
    f.cmdOpen2.onClick = [&p] { cmdOpen2_Click(p); };
}

void Application::wireHyperLinkWindow() {
    Program& p = program_;
    auto& w = p.hyperlnk;
    w.onActivate = [&w] { frmHyperLnkMsg_Form_Activate(w); };
    w.Label1.onClick = [&w, &p] { frmHyperLnkMsg_Label1_Click(w, p.platform, p.ui); };
    w.Command1.onClick = [&w] { frmHyperLnkMsg_Command1_Click(w); };
}

void Application::wireUserCodeDialogs() {
    Program& p = program_;
    auto& d = dialogs_;
    p.form1.cmdcode12.onClick = [&p, &d] { cmdcode12_Click(p, d); };

    // Each time a dialog is loaded for display its lists are filled afresh,
    // after its design-time state.
    const std::initializer_list<UserCodeDialog*> all = {&d.frmArchitecture, &d.frmLegElev, &d.frmSections,
                                                        &d.frmOtherDiscip};
    for (UserCodeDialog* dialog : all) {
        dialog->onLoad = [design = dialog->onLoad, dialog] {
            if (design) design();
            fillDialogLists(*dialog);
        };
    }

    d.frmArchitecture.Command1.onClick = [&p, &d] { frmArchitecture_Command1_Click(p, d.frmArchitecture); };
    d.frmLegElev.Command1.onClick = [&p, &d] { frmLegElev_Command1_Click(p, d.frmLegElev); };
    d.frmSections.Command1.onClick = [&p, &d] { frmSections_Command1_Click(p, d.frmSections); };
    d.frmOtherDiscip.Command1.onClick = [&p, &d] { frmOtherDiscip_Command1_Click(p, d.frmOtherDiscip); };
}

void Application::wireProjectCodeWindow() {
    Program& p = program_;
    auto& w = projectCode_;
    p.form1.cmdnewproj.onClick = [&w] { cmdnewproj_Click(w); };
    // Its lists are filled each time it is loaded, after its design-time state.
    w.onLoad = [design = w.onLoad, &p, &w] {
        if (design) design();
        frmfacilprojcode_Form_Load(p, w);
    };
    w.cmdcreateintprojcode.onClick = [&p, &w] { frmfacilprojcode_cmdcreateintprojcode_Click(p, w); };
    w.cmdchangesheet.onClick = [&p, &w] { frmfacilprojcode_cmdchangesheet_Click(p, w); };
    w.cmdcancel.onClick = [&w] { frmfacilprojcode_cmdcancel_Click(w); };
}

void Application::wireToolsAndDelivery() {
    Program& p = program_;
    auto& scale = textScale_;
    auto& copy = copyResources_;

    // The model file code finder on the main window.
    p.form1.Command2.onClick = [&p] { Command2_Click(p); };

    // The text size calculator: its scales listed afresh each time it loads.
    p.form1.cmdtxtscale.onClick = [&scale] { cmdtxtscale_Click(scale); };
    scale.onLoad = [design = scale.onLoad, &scale] {
        if (design) design();
        fillScaleList(scale);
    };
    scale.cmdtextcnv.onClick = [&p, &scale] { cmdtextcnv_Click(p, scale); };

    // The resource delivery.
    p.form1.cmdCopyres.onClick = [&copy] { cmdCopyres_Click(copy); };
    copy.onLoad = [design = copy.onLoad, &p, &copy] {
        if (design) design();
        frmCopyRes_Form_Load(p, copy);
    };
    copy.cmdCopyresources.onClick = [&p, &copy] { cmdCopyresources_Click(p, copy); };
}

void Application::wireDocumentsAndNamingCheck() {
    Program& p = program_;
    auto& f = p.form1;
    f.cmdusemanual.onClick = [&p] { cmdusemanual_Click(p); };
    f.cmdModelslist.onClick = [&p] { cmdModelslist_Click(p); };
    f.cmdncs4.onClick = [&p] { cmdncs4_Click(p); };
    f.cmdaecsymb.onClick = [&p] { cmdaecsymb_Click(p); };
    f.cmdNcsNotation.onClick = [&p] { cmdNcsNotation_Click(p); };
    f.cmdprojecsfile.onClick = [&p] { cmdprojecsfile_Click(p); };
    f.Command1.onClick = [&p] { Command1_Click(p); };
}

}  // namespace trv::ui
