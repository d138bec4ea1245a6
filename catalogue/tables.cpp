#include "catalogue/tables.h"

#include <algorithm>
#include <array>

#include "platform/records.h"

namespace trv::catalogue {

const std::vector<Discipline>& disciplines() {
    // Row order is the order of cmbdisciplines: "Hazardous_Materials" stands
    // before "General" on purpose. The level-2 lists are guidance only; some of
    // their entries end in a blank, and that blank belongs to the entry.
    static const std::vector<Discipline> table = {
        {"Architectural", "A", true,
         {{"Floor Plan", "FP"},
          {"Roof Plan", "RP"},
          {"Reflected Ceiling Plan", "CP"},
          {"Equipment Plan", "QP"},
          {"Area calculation occupancy Plan", "AC"},
          {"Elevations", "EL"},
          {"Sections", "SC"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Architectural",
          "Architectural Site",
          "Architectural Demolition",
          "Architectural Elements",
          "Architectural Interiors",
          "Architectural Finishes",
          "Architectural Graphics"}},
        {"Civil", "C", true,
         {{"Airfield Plan", "AF"},
          {"Beach Renourishment Plan", "BR"},
          {"Eco-Restoration Plan", "ER"},
          {"Flood Control Plan", "FC"},
          {"Grading Plan", "GP"},
          {"Joint Layout Plan", "JP"},
          {"Navigation_Dredging Plan", "NG"},
          {"Site Plan", "SP"},
          {"Transportation Site Plan", "TS"},
          {"Utilities Plan", "UP"},
          {"Details", "DT"},
          {"Elevations", "EL"},
          {"Profiles", "PR"},
          {"XSections", "SC"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Civil",
          "Civil Beach Renourishment",
          "Civil Demolition",
          "Civil Ecosystem Restoration",
          "Civil Flood Control",
          "Civil Grading",
          "Civil Improvements",
          "Civil Navigationt ",
          "Civil Operation and Maintenance",
          "Civil Paving",
          "Civil Shore Protectionl",
          "Civil Recreation",
          "Civil Site",
          "Civil Security ",
          "Civil Transportation",
          "Civil Utilities"}},
        {"Electrical", "E", true,
         {{"Airfield Lighting Plan", "AL"},
          {"Exterior Communication Systems Plan", "CP"},
          {"Details", "DT"},
          {"Electrical Utilities Plan", "EU"},
          {"Grounding System Plan", "GP"},
          {"Lighting Plan", "LP"},
          {"Power Plan", "PP"},
          {"Special Systems Plan", "SS"},
          {"Riser_One-Line Diagrams", "RD"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Electrical",
          "Electrical Airfield Lighting and Navaids",
          "Electrical Site",
          "Electrical Cathodic protection ",
          "Electrical Grounding",
          "Electrical Demolition",
          "Electrical Interior Power",
          "Electrical Interior Lighting",
          "Electrical Instrumentation",
          "Electrical Interior Auxiliary Systems"}},
        {"Equipment", "Q", true,
         {{"Equipment Plan", "QP"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {}},
        {"Fire_Protection", "F", true,
         {{"Fire Alarm_Detection Plan", "FA"},
          {"Fire Suppression Plan", "FP"},
          {"Life Safety Plan", "LP"},
          {"Schedule", "SH"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Demolition_Plan", "XD"}},
         {"All Fire Protection",
          "Fire Detection and Alarm",
          "Fire Suppression"}},
        {"Hazardous_Materials", "H", true,
         {{"Pollution Prevention Plan", "PP"},
          {"Sections", "SC"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Hazardous Materials",
          "Asbestos",
          "Chemicals",
          "Lead",
          "PCB",
          "Refrigerants"}},
        {"General", "G", true,
         {{"Border Sheet", "BS"},
          {"Cover Sheet", "CS"},
          {"Key Plan", "KP"},
          {"Legend", "LG"},
          {"Schedule", "SH"}},
         {"All General",
          "General Informational",
          "General Contractual",
          "General Resource"}},
        {"Geotechnical", "B", true,
         {{"Joint Layout Plan", "JP"},
          {"Boring Log", "LB"},
          {"Pavement Site Plan", "PV"},
          {"Sections", "SC"},
          {"Subsurface Investigation Plan", "SI"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Geotechnical"}},
        {"Interiors", "I", true,
         {{"Floor Patterns", "FL"},
          {"Furniture Plan", "RP"},
          {"Signage Placement Plan", "SP"},
          {"System Furniture Plan", "WP"},
          {"Details", "DT"},
          {"Elevations", "EL"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Interiors",
          "Interior Demolition",
          "Interior Design",
          "Interior Furnishings",
          "Interior Graphics"}},
        {"Landscape", "L", true,
         {{"Irrigation Plan", "IP"},
          {"Landscape Plan", "LP"},
          {"Details", "DT"},
          {"Elevations", "EL"},
          {"Sections", "SC"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Landscape",
          "Landscape Demolition",
          "Landscape Irrigation",
          "Landscape Planting"}},
        {"Marine_Works", "Y", true,
         {{"Marine Works Plan", ""},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {}},
        {"Mechanical", "M", true,
         {{"HVAC Plan", "HP"},
          {"Hydraulic Systems", "HS"},
          {"HTCW Utilities Plan", "HT"},
          {"Machine Design Plan", "MD"},
          {"Material Handling Plan", "MH"},
          {"Sections", "SC"},
          {"Specialty Piping and Equipment Plan", "SP"},
          {"Control Diagrams", "CD"},
          {"Details", "DT"},
          {"Elevations", "EL"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Mechanical",
          "Mechanical Site",
          "Mechanical Demolition",
          "Mechanical HVAC",
          "Mechanical Piping",
          "Mechanical Instrumentation",
          "Mechanical Hydraulic Systems "}},
        {"Plumbing", "P", true,
         {{"Piping Plan", "PP"},
          {"Water supply layout", "WS"},
          {"Foul drainage layout", "FS"},
          {"Riser Diagrams", "RD"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Plumbing",
          "Plumbing Site",
          "Plumbing Demolition",
          "Plumbing Piping",
          "Plumbing Equipment",
          "Plumbing"}},
        {"Roads", "R", true,
         {{"Road Plan", ""},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {}},
        {"Structural", "S", true,
         {{"Foundation Plan", "NP"},
          {"Framing Plan", "FP"},
          {"Column Plan", "CP"},
          {"Ground Floor Plan", "GP"},
          {"Staircase", "TC"},
          {"Elevations and Sections", "ES"},
          {"General Notes", "GN"},
          {"Section Details and Schedules", "SD"},
          {"Locks", "LK"},
          {"Hydraulic Steel Structures", "HS"},
          {"Flood Control Structures", "FC"},
          {"Misc Small Civil Works Structures", "CW"},
          {"Details", "DT"},
          {"Substructure", "SB"},
          {"Superstructure", "SP"},
          {"3D Alignment", "3D"},
          {"Decks", "DK"},
          {"Dams", "DA"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Structural",
          "Structural Demolition",
          "Structural Site",
          "Structural Substructure",
          "Structural Framing"}},
        {"Survey_and_Mapping", "V", true,
         {{"Existing Airfield Lighting Plan", "AL"},
          {"Existing Communication System Plan", "CP"},
          {"Existing Electrical Utilities Plan", "EU"},
          {"Existing Hydrographic Survey and Mapping Plan", "HP"},
          {"Existing HTCW Utilities Plan", "HT"},
          {"Property Boundary", "PB"},
          {"Existing Profiles", "PR"},
          {"Existing XSections", "SC"},
          {"Survey_and_Mapping_Plan", "SP"},
          {"Existing Utilities Plan", "UP"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Survey_Mapping",
          "Aerial Survey",
          "Field Survey",
          "Hydrographic Survey",
          "Digital Survey",
          "Combined Utilities"}},
        {"Telecommunication", "T", true,
         {{"Telephone_Data Plan", "TP"},
          {"Riser Diagrams", "RD"},
          {"Details", "DT"},
          {"Legend", "LG"},
          {"Schedule", "SH"},
          {"Demolition_Plan", "XD"}},
         {"All Telecommunications",
          "Telecommunications Demolition",
          "Audio Visual",
          "Clock and Program",
          "Intercom",
          "Monitoring",
          "Data Networks",
          "SCADA",
          "Telephone",
          "Security"}},
        {"Combined Disciplines", "X", false,
         {},
         {}},
        {"Non - Discipline Related", "Z", false,
         {},
         {}},
    };
    return table;
}

const Discipline* findDiscipline(std::string_view name) {
    const auto& table = disciplines();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [name](const Discipline& d) { return d.name == name; });
    return it == table.end() ? nullptr : &*it;
}

std::string disciplineCodeOf(std::string_view text) {
    const Discipline* d = findDiscipline(text);
    return d ? d->code : std::string();
}

const std::vector<std::string>& sheetTypes() {
    // The digit of an entry is its position; the texts carry it only for the reader.
    static const std::vector<std::string> list = {
        "0:General(Symbols, legend, notes, titles, cover, etc)",
        "1:Layouts&site plans",
        "2:Plans",
        "3:Elevations & Sections(vertical views)",
        "4:Enlarged scale(plans, elevations, stair sections that are not details)",
        "5:Details",
        "6:Schedules & Diagrams",
        "7:Spare",
        "8:Combined content(Plans, Elevations, Sections, layouts, on one sheet)",
        "9:3D Representations(isometric, perspectives, photographs)",
    };
    return list;
}

const std::vector<DrawingType>& drawingTypes() {
    static const std::vector<DrawingType> types = {
        {"Design Drawings", "DESIGN", "design"},
        {"As-Built Drawings", "AS-BUILT", "as-built"},
    };
    return types;
}

const DrawingType& designDrawings() { return drawingTypes().front(); }

const DrawingType* findDrawingType(std::string_view text, std::string DrawingType::*field) {
    for (const DrawingType& t : drawingTypes())
        if (t.*field == text) return &t;
    return nullptr;
}

bool modelsButtonRefills(std::string_view disciplineName) {
    // Equipment, Marine_Works and Roads are missing here: for them the button
    // leaves cmbModels as the discipline choice filled it.
    static constexpr std::array<std::string_view, 14> refilled = {
        "Architectural", "General",    "Hazardous_Materials", "Survey_and_Mapping",
        "Geotechnical",  "Civil",      "Landscape",           "Structural",
        "Interiors",     "Fire_Protection", "Plumbing",       "Mechanical",
        "Electrical",    "Telecommunication",
    };
    return std::find(refilled.begin(), refilled.end(), disciplineName) != refilled.end();
}

std::string modelTypeCodeIn(std::string_view codeFileContent, std::string_view modelType) {
    std::string code;
    std::size_t start = 0;
    while (start < codeFileContent.size()) {
        std::size_t end = codeFileContent.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = codeFileContent.size();
        FieldReader record(std::string(codeFileContent.substr(start, end - start)));
        try {
            const auto fields = record.next(2);
            if (fields[0] == modelType) code = fields[1];
        } catch (const ReadPastEnd&) {
        }
        start = end + 1;
    }
    return code;
}

namespace {

std::optional<std::string> refuseWhenEmpty(std::string_view text, const char* message) {
    if (text.empty()) return std::string(message);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> checkDisciplineChosen(std::string_view disciplineText) {
    return refuseWhenEmpty(disciplineText, "Please select which discipline you working on");
}

std::optional<std::string> checkModelChosen(std::string_view modelTypeText) {
    return refuseWhenEmpty(modelTypeText, "Please select which model you want to copy");
}

std::optional<std::string> checkSheetTypeChosen(std::string_view sheetTypeText) {
    return refuseWhenEmpty(sheetTypeText, "Please select which sheet type you want to create");
}

}  // namespace trv::catalogue
