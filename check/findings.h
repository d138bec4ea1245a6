#pragma once

#include <string>
#include <vector>

// What the naming check finds: missing folders and names that break the
// convention, as plain values. The quality report is written from them, and
// anything else that shows a check's result reads the same list.
namespace trv::check {

// The rules, in the order the report's blocks show them.
enum class Rule {
    MissingFolder,  // a discipline folder, or its MODEL_FILES or SHEET_FILES folder, is not there
    UnreadableFolder,  // such a folder is there but cannot be entered or listed: its names are unchecked
    Length,         // the name is not as long as a model or sheet name is
    ProjectCode,    // the name does not begin with the project's internal code
    Designator,     // the name carries another discipline designator
    ModelType,      // the model file type code is not one the discipline accepts
};

// Which folder of a discipline a finding concerns.
enum class FolderKind { Discipline, Model, Sheet };

struct Finding {
    Rule rule;
    std::string discipline;  // the discipline's name, which is also its folder's name
    FolderKind folderKind;
    std::string folder;  // the folder's path as the check built it
    std::string file;    // the file's name, extension included; empty for a folder's finding

    bool operator==(const Finding&) const = default;
};

// How many files the check looked at in one discipline's model and sheet
// folders together: what a share of well-named drawings is taken of.
struct DrawingCount {
    std::string discipline;
    std::size_t files = 0;

    bool operator==(const DrawingCount&) const = default;
};

// "MODEL_FILES" or "SHEET_FILES"; empty for the discipline folder itself.
std::string folderKindName(FolderKind kind);

}  // namespace trv::check
