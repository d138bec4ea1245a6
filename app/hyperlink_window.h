#pragma once

#include <string>

#include "app/controls.h"

namespace trv {

class Platform;
class UserInteraction;

// The path-problem window `frmHyperLnkMsg`: a message, a link to the document
// that explains the set-up, and "Ok". Shown modally just before the program ends.
struct HyperLinkWindow : WindowModel {
    HyperLinkWindow();

    Control& Label4 = controls.add("Label4");
    Control& Label2 = controls.add("Label2");
    Control& Label1 = controls.add("Label1");
    Control& Label3 = controls.add("Label3");
    Control& Label5 = controls.add("Label5");
    Control& Command1 = controls.add("Command1");

    std::string LinkPath;
    std::string MessageText;
};

// The window's handlers.
void frmHyperLnkMsg_Form_Activate(HyperLinkWindow& w);
void frmHyperLnkMsg_Label1_Click(HyperLinkWindow& w, Platform& platform, UserInteraction& ui);
void frmHyperLnkMsg_Command1_Click(HyperLinkWindow& w);

}  // namespace trv
