#pragma once

#include <string>
#include <vector>

#include "check/findings.h"

namespace trv::check {

// The quality report's text, written from the findings: five blocks under
// their headings (missing folders, then the names that break each rule), each
// line one record in double quotes ending with CR LF. A file's entry is one
// record over two lines, the name and where it lies.
std::string qualityReport(const std::vector<Finding>& findings);

}  // namespace trv::check
