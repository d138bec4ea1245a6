#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trv {

struct Program;

// The saved choice files in the user's state folder: the current project,
// drawing type, discipline and facility number.
inline constexpr const char* curProjectFile = "curproject.txt";
inline constexpr const char* curDrawingTypeFile = "curdrawingtype.txt";
inline constexpr const char* curDisciplineFile = "curdiscipline.txt";
inline constexpr const char* facilityNumberFile = "facilnumber.txt";

// UserDir & "\PROJECTS\" & name: where the current project file is addressed.
std::string userStatePath(const Program& p, const std::string& name);
// ProjectPath & "\" & UserFolder & "\PROJECTS\" & name: the same folder, the
// spelling the other saved choices use.
std::string userStatePathByFolder(const Program& p, const std::string& name);

// Reads the first `count` fields of a record-line file that passes the
// presence test; nothing when the file is absent or holds fewer fields.
std::optional<std::vector<std::string>> readPresentRecord(Program& p, const std::string& path,
                                                          std::size_t count);
// Replaces a saved choice file with one record line; throws RuntimeFailure.
void writeRecordFile(Program& p, const std::string& path, const std::vector<std::string>& fields);

// The start-up readers.
void ReadCurrentProject(Program& p);
void ReadCurrentDiscipline(Program& p);
void ReadDrawingType(Program& p);
void ReadFacilityNumber(Program& p);

// The main window's two writers.
void cmbdesignasbuilt_Click(Program& p);
void txtfacilitynb_Change(Program& p);

}  // namespace trv
