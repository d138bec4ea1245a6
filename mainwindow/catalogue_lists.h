#pragma once

#include <string>

namespace trv {

class Control;
struct Program;

// The main window's catalogue lists and the handlers of their controls.

// Replaces a list's entries with the seventeen listed disciplines, in list order.
void fillDisciplineList(Control& list);
// Replaces a list's entries with the model file types of the named
// discipline (none for a discipline without a list).
void fillModelList(Control& list, const std::string& disciplineName);

void cmbdisciplines_Click(Program& p);
void cmdDisciplines_Click(Program& p);
void cmddesignator2_Click(Program& p);
void cmdModels_Click(Program& p);
void cmbSheettype_Click(Program& p);
void cmbModels_Click(Program& p);
void cmbModels_Change(Program& p);

}  // namespace trv
