#include "ui/application.h"

#include <initializer_list>
#include <stdexcept>

#include "mainwindow/catalogue_lists.h"
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
    wireEvents();
    wireWindowEvents();
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

namespace {

// A table row: the handler's name as its function is spelled, and the call.
#define TRV_HANDLER(handler, ...) #handler, [&] { handler(__VA_ARGS__); }

}  // namespace

void Application::wireEvents() {
    Program& p = program_;
    auto& d = dialogs_;
    auto& w = projectCode_;
    auto& scale = textScale_;
    auto& copy = copyResources_;
    auto& h = p.hyperlnk;
    constexpr auto Click = ControlEvent::Click;
    constexpr auto Change = ControlEvent::Change;
    events_ = {
        {"Form1", "cmdcancel", Click, TRV_HANDLER(cmdcancel_Click, p)},
        {"Form1", "cmdRefresh", Click, TRV_HANDLER(cmdRefresh_Click, p)},
        // A new model type needs new user codes; both events drop the old ones.
        {"Form1", "cmbModels", Click, TRV_HANDLER(cmbModels_Click, p)},
        {"Form1", "cmbModels", Change, TRV_HANDLER(cmbModels_Change, p)},
        {"Form1", "cmbAutocadversion", Click, TRV_HANDLER(cmbAutocadversion_Click, p)},
        {"Form1", "cmbdesignasbuilt", Click, TRV_HANDLER(cmbdesignasbuilt_Click, p)},
        {"Form1", "txtfacilitynb", Change, TRV_HANDLER(txtfacilitynb_Change, p)},
        // Projects.
        {"Form1", "cmbProjectCode", Click, TRV_HANDLER(cmbProjectCode_Click, p)},
        {"Form1", "cmdtypeprojcode", Click, TRV_HANDLER(cmdtypeprojcode_Click, p)},
        {"Form1", "cmdProjectcode", Click, TRV_HANDLER(cmdProjectcode_Click, p)},
        {"Form1", "cmdnewproj", Click, TRV_HANDLER(cmdnewproj_Click, w)},
        // The naming catalogue.
        {"Form1", "cmbdisciplines", Click, TRV_HANDLER(cmbdisciplines_Click, p)},
        {"Form1", "cmdDisciplines", Click, TRV_HANDLER(cmdDisciplines_Click, p)},
        {"Form1", "cmddesignator2", Click, TRV_HANDLER(cmddesignator2_Click, p)},
        {"Form1", "cmdModels", Click, TRV_HANDLER(cmdModels_Click, p)},
        {"Form1", "cmbSheettype", Click, TRV_HANDLER(cmbSheettype_Click, p)},
        // Drawing names, user codes, templates and opening.
        {"Form1", "cmdModelname", Click, TRV_HANDLER(cmdModelname_Click, p, d)},
        {"Form1", "cmdSheetName", Click, TRV_HANDLER(cmdSheetName_Click, p)},
        {"Form1", "cmdCopyModel", Click, TRV_HANDLER(cmdCopyModel_Click, p, d)},
        {"Form1", "cmdcopysheet", Click, TRV_HANDLER(cmdcopysheet_Click, p)},
        {"Form1", "cmdOpen", Click, TRV_HANDLER(cmdOpen_Click, p, d)},
        {"Form1", "cmdOpen2", Click, TRV_HANDLER(cmdOpen2_Click, p)},
        {"Form1", "cmdcode12", Click, TRV_HANDLER(cmdcode12_Click, p, d)},
        // Tools, documents, the naming check and the delivery.
        {"Form1", "Command2", Click, TRV_HANDLER(Command2_Click, p)},
        {"Form1", "cmdtxtscale", Click, TRV_HANDLER(cmdtxtscale_Click, scale)},
        {"Form1", "cmdusemanual", Click, TRV_HANDLER(cmdusemanual_Click, p)},
        {"Form1", "cmdModelslist", Click, TRV_HANDLER(cmdModelslist_Click, p)},
        {"Form1", "cmdncs4", Click, TRV_HANDLER(cmdncs4_Click, p)},
        {"Form1", "cmdaecsymb", Click, TRV_HANDLER(cmdaecsymb_Click, p)},
        {"Form1", "cmdNcsNotation", Click, TRV_HANDLER(cmdNcsNotation_Click, p)},
        {"Form1", "cmdprojecsfile", Click, TRV_HANDLER(cmdprojecsfile_Click, p)},
        {"Form1", "Command1", Click, TRV_HANDLER(Command1_Click, p)},
        {"Form1", "cmdCopyres", Click, TRV_HANDLER(cmdCopyres_Click, copy)},
        // The other windows.
        {"frmHyperLnkMsg", "Label1", Click, TRV_HANDLER(frmHyperLnkMsg_Label1_Click, h, p.platform, p.ui)},
        {"frmHyperLnkMsg", "Command1", Click, TRV_HANDLER(frmHyperLnkMsg_Command1_Click, h)},
        {"frmArchitecture", "Command1", Click, TRV_HANDLER(frmArchitecture_Command1_Click, p, d.frmArchitecture)},
        {"frmLegElev", "Command1", Click, TRV_HANDLER(frmLegElev_Command1_Click, p, d.frmLegElev)},
        {"frmSections", "Command1", Click, TRV_HANDLER(frmSections_Command1_Click, p, d.frmSections)},
        {"frmOtherDiscip", "Command1", Click, TRV_HANDLER(frmOtherDiscip_Command1_Click, p, d.frmOtherDiscip)},
        {"frmfacilprojcode", "cmdcreateintprojcode", Click,
         TRV_HANDLER(frmfacilprojcode_cmdcreateintprojcode_Click, p, w)},
        {"frmfacilprojcode", "cmdchangesheet", Click, TRV_HANDLER(frmfacilprojcode_cmdchangesheet_Click, p, w)},
        {"frmfacilprojcode", "cmdcancel", Click, TRV_HANDLER(frmfacilprojcode_cmdcancel_Click, w)},
        {"frmTextScale", "cmdtextcnv", Click, TRV_HANDLER(cmdtextcnv_Click, p, scale)},
        {"frmCopyRes", "cmdCopyresources", Click, TRV_HANDLER(cmdCopyresources_Click, p, copy)},
    };
    for (const EventBinding& e : events_) {
        WindowModel* win = window(e.window);
        Control* control = win ? win->controls.find(e.control) : nullptr;
        if (!control) throw std::logic_error("no control " + e.window + "." + e.control + " to wire");
        (e.event == ControlEvent::Click ? control->onClick : control->onChange) = e.call;
    }
}

#undef TRV_HANDLER

void Application::wireWindowEvents() {
    Program& p = program_;
    auto& h = p.hyperlnk;
    h.onActivate = [&h] { frmHyperLnkMsg_Form_Activate(h); };

    // Each window below fills its lists each time it is loaded for display,
    // after its design-time state.
    auto& d = dialogs_;
    for (UserCodeDialog* dialog : {static_cast<UserCodeDialog*>(&d.frmArchitecture),
                                   static_cast<UserCodeDialog*>(&d.frmLegElev),
                                   static_cast<UserCodeDialog*>(&d.frmSections),
                                   static_cast<UserCodeDialog*>(&d.frmOtherDiscip)}) {
        dialog->onLoad = [design = dialog->onLoad, dialog] {
            if (design) design();
            fillDialogLists(*dialog);
        };
    }
    auto& w = projectCode_;
    w.onLoad = [design = w.onLoad, &p, &w] {
        if (design) design();
        frmfacilprojcode_Form_Load(p, w);
    };
    auto& scale = textScale_;
    scale.onLoad = [design = scale.onLoad, &scale] {
        if (design) design();
        fillScaleList(scale);
    };
    auto& copy = copyResources_;
    copy.onLoad = [design = copy.onLoad, &p, &copy] {
        if (design) design();
        frmCopyRes_Form_Load(p, copy);
    };
}

}  // namespace trv::ui
