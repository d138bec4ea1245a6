#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/findings.h"

// What `trv-cli check` found, as every one of its outputs prints it.
namespace trv::cli {

// The rule a finding breaks, as every output and the history name it.
constexpr std::string_view ruleName(check::Rule rule) {
    switch (rule) {
        case check::Rule::MissingFolder:
            return "missing folder";
        case check::Rule::UnreadableFolder:
            return "unreadable folder";
        case check::Rule::Length:
            return "length";
        case check::Rule::ProjectCode:
            return "project code";
        case check::Rule::Designator:
            return "designator";
        case check::Rule::ModelType:
            return "model type";
    }
    return {};
}

// One finding with what it means, as the outputs show it.
struct Line {
    std::string project, drawingType, discipline, folderKind, folder, file, rule, expected;
    std::optional<std::string> suggested;
};

// One project and drawing type checked, or the error that stopped it.
struct Checked {
    std::string project, name, drawingType;
    std::size_t findings = 0;
    std::optional<std::string> report;  // the report written
    std::string error;
    std::vector<check::DrawingCount> drawings;  // the files looked at, per discipline
    // Checked, but not to the end: a folder could not be read, or the report
    // could not be written. The command fails as for an error.
    bool unchecked = false;
};

struct Results {
    std::vector<Line> lines;
    std::vector<Checked> checked;
};

}  // namespace trv::cli
