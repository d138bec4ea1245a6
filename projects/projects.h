#pragma once

#include <span>
#include <string>

namespace trv {

struct Program;

// The project store: one record file per project in the resource folder's
// "projectscodes" folder, and the acceptance of a project as the current one.

// Refills the project list with one entry per record file.
void FillProjectList(Program& p);
// The user chose a project (or start-up re-selected the saved one).
void cmbProjectCode_Click(Program& p);
// Accepts the code in the hidden code box as the current project.
void cmdtypeprojcode_Click(Program& p);
// Creates the user state folder and the shared project tree root when missing.
void EnsureStateFolders(Program& p);
// Reads the record of the code in the hidden box; on failure shows its
// message and sets quitFlag.
void ReadProjectRecord(Program& p);
// Tests that the record file of projectCode exists; otherwise shows its
// message and sets quitFlag.
void CheckInternalNumber(Program& p);
// "Choose Project Code": refills the four small code lists.
void cmdProjectcode_Click(Program& p);

// The record file of a project code.
std::string projectRecordPath(const Program& p, const std::string& code);
// The owner units offered in cmbusercode; the last is "Other units".
std::span<const char* const> ownerUnits();

}  // namespace trv
