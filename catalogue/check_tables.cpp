#include "catalogue/check_tables.h"

#include <algorithm>
#include <map>

#include "catalogue/tables.h"

namespace trv::catalogue {

const std::vector<std::string>& checkedDisciplines() {
    static const std::vector<std::string> order = {
        "General",   "Architectural", "Hazardous_Materials", "Survey_and_Mapping", "Geotechnical",
        "Civil",     "Landscape",     "Structural",          "Interiors",          "Fire_Protection",
        "Plumbing",  "Mechanical",    "Electrical",          "Telecommunication",  "Roads",
        "Equipment", "Marine_Works"};
    return order;
}

namespace {

using CodeTable = std::map<std::string, std::vector<std::string>, std::less<>>;

CodeTable makeAcceptedCodes() {
    CodeTable table = {
        {"General", {"CS", "BS", "KP", "LG", "SH"}},
        {"Hazardous_Materials", {"PP", "DT", "SC", "LG", "SH"}},
        {"Survey_and_Mapping", {"CP", "AL", "EU", "HP", "SH", "HT", "LG", "PB", "PR", "SC", "SP", "UP"}},
        {"Geotechnical", {"LB", "JP", "LG", "PV", "SC", "SH", "SI", "DT"}},
        {"Civil",
         {"BR", "AF", "ER", "FC", "GP", "JP", "NG", "SH", "SP", "TS", "UP", "DT", "EL", "LG", "PR", "SC"}},
        {"Landscape", {"IP", "LG", "LP", "DT", "EL", "SC", "SH"}},
        {"Structural", {"FP", "NP", "CP", "GP", "TC", "ES", "GN", "SD", "BP", "DT", "DA",
                        "LK", "DK", "SB", "SP", "HS", "FC", "CW", "LG", "SH", "3D", "EL"}},
        {"Architectural", {"RP", "FP", "CP", "QP", "AC", "DT", "EL", "LG", "SC", "SH"}},
        {"Interiors", {"FL", "RP", "SP", "WP", "DT", "EL", "LG", "SH"}},
        {"Fire_Protection", {"FA", "FP", "LP", "DT", "LG", "SH"}},
        {"Plumbing", {"WS", "PP", "FS", "DG", "DT", "LG", "SH", "RD"}},
        {"Mechanical", {"HS", "HP", "HT", "MD", "MH", "SC", "SH", "SP", "DG", "DT", "EL", "LG", "CD"}},
        {"Electrical", {"CP", "AL", "DG", "DT", "EU", "GP", "LG", "LP", "PP", "SH", "SS", "RD"}},
        {"Telecommunication", {"TP", "DT", "LG", "SH", "DG", "RD"}},
    };
    // A demolition plan that TRV itself names must pass its own check: where
    // the discipline's model list offers "Demolition_Plan", its code is
    // accepted too.
    for (auto& [name, codes] : table) {
        const Discipline* d = findDiscipline(name);
        if (d == nullptr) continue;
        for (const ModelType& m : d->models) {
            if (m.name == "Demolition_Plan" && std::find(codes.begin(), codes.end(), m.code) == codes.end())
                codes.push_back(m.code);
        }
    }
    return table;
}

}  // namespace

const std::vector<std::string>* acceptedModelTypeCodes(std::string_view discipline) {
    static const CodeTable table = makeAcceptedCodes();
    const auto it = table.find(discipline);
    return it == table.end() ? nullptr : &it->second;
}

}  // namespace trv::catalogue
