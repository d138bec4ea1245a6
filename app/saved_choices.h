#pragma once

#include <string>

#include "app/office_paths.h"
#include "platform/platform.h"

namespace trv {

// The user's saved choices: the current project, drawing type, discipline
// and facility number, one small record-line file each in the user's state
// folder. Each file has exactly one reader and one writer here.
//
// Reading tells three outcomes apart. A file that is not there (by the exact
// presence test), or does not hold the fields of its record (empty, blank
// lines only, cut short), is Missing. A file that is there but cannot be read
// at all is Unreadable; what that means is the caller's to decide (start-up
// disables the commands, a command treats it as missing or as a run-time
// failure). Text is read as UTF-8 or, failing that, in the ANSI code page.
enum class ReadStatus { Missing, Read, Unreadable };

template <class T>
struct Saved {
    ReadStatus status = ReadStatus::Missing;
    T value{};
    bool read() const { return status == ReadStatus::Read; }
};

// A project as the main window works on it, and as "curproject.txt" keeps
// it: its code, its name and its internal code.
struct Project {
    std::string code;
    std::string name;
    std::string internalCode;
};

Saved<Project> readCurrentProject(Platform& platform, const OfficePaths& paths);
Saved<std::string> readDrawingType(Platform& platform, const OfficePaths& paths);
Saved<std::string> readDiscipline(Platform& platform, const OfficePaths& paths);
Saved<std::string> readFacilityNumber(Platform& platform, const OfficePaths& paths);

// Each writer replaces its file as a whole (a reader sees the old content or
// the new, never a part); throws RuntimeFailure when it cannot. A file that
// already holds exactly the record is left as it is. Nothing is written
// without a loaded configuration: the path would start at the root.
void writeCurrentProject(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const Project& project);
void writeDrawingType(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                      const std::string& drawingType);
void writeDiscipline(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                     const std::string& discipline);
void writeFacilityNumber(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const std::string& facility);

}  // namespace trv
