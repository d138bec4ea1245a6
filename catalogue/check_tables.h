#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tables of the naming check: which disciplines it walks, in which order,
// and which model file type codes it accepts in each discipline's model folder.
namespace trv::catalogue {

// The seventeen disciplines in the order the check walks them and the report
// lists them. It is neither the order of cmbdisciplines nor the order in
// which the discipline code lookup tests the rows.
const std::vector<std::string>& checkedDisciplines();

// The model file type codes the check accepts in a discipline's model folder;
// nullptr when the discipline's model files get no model type test (Roads,
// Equipment, Marine_Works, any other name). These lists are the check's own:
// they differ from the codes the discipline's model list offers.
const std::vector<std::string>* acceptedModelTypeCodes(std::string_view discipline);

}  // namespace trv::catalogue
