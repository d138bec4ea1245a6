#pragma once

#include <optional>
#include <string>

#include "check/findings.h"
#include "check/naming_check.h"
#include "platform/platform.h"

// What a finding means for the person who fixes it: the form the rule asks
// for, and a corrected name where the rules themselves leave no doubt.
namespace trv::check {

// The form the broken rule asks for, written out with the project's
// internal code and the discipline's designator; for a missing folder, the
// folder. A model file type code that other disciplines accept is named with
// them, and so is the model folder of another discipline where the whole
// name would pass.
std::string expectedForm(const Finding& finding, const CheckSubject& subject);

// A name that passes every rule of the finding's folder, derived with
// certainty from the name found: the name upper-cased (its extension kept),
// the internal code it begins with replaced by the project's, or both.
// Nothing for a missing folder, nothing when another file of the folder
// already has the new name, and nothing when neither makes the name pass: a designator or model file type code that is wrong cannot be
// guessed, and a code that another discipline accepts means the drawing may
// belong there, which a new name does not settle.
std::optional<std::string> suggestedName(Platform& platform, const OfficePaths& paths, const Finding& finding,
                                         const CheckSubject& subject);

}  // namespace trv::check
