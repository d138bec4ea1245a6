#pragma once

#include <string>

namespace trv {

struct Program;

// Disciplines.
void fillDisciplineList(Program& p);  // the seventeen listed disciplines, in list order
void disciplinecode1(Program& p);
void cmbdisciplines_Click(Program& p);
void cmdDisciplines_Click(Program& p);
void cmddesignator2_Click(Program& p);
void checkDisciplineChosen(Program& p);

// Model file types.
// Clears cmbModels and adds the model file types of the named discipline
// (none for a discipline without a list).
void fillModelList(Program& p, const std::string& disciplineName);
void cmdModels_Click(Program& p);
// Looks the chosen model file type up in the code file; the last matching
// record wins. Throws RuntimeFailure when the code file cannot be read.
void modeltypecode1(Program& p);
void checkModelChosen(Program& p);
std::string modelCodeFilePath(const Program& p);

// Sheet types.
void fillSheetTypeList(Program& p);
void cmbSheettype_Click(Program& p);
void checkSheetTypeChosen(Program& p);

}  // namespace trv
