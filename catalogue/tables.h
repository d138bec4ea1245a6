#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fixed naming catalogue: disciplines with their one-letter designators,
// the model file types each discipline offers, the level-2 designators and the
// sheet types. The main window's lists and the naming check read these same
// tables, so a name is spelled in exactly one place.
namespace trv::catalogue {

// One model file type as offered in cmbModels. The two-character code enters
// model file names; it is empty for the two types the catalogue leaves
// uncoded ("Road Plan" and "Marine Works Plan").
struct ModelType {
    std::string name;
    std::string code;
};

struct Discipline {
    std::string name;               // exact, case-sensitive key of every other table
    std::string code;               // one-letter level-1 designator
    bool listed;                    // offered in cmbdisciplines (false for X and Z)
    std::vector<ModelType> models;          // in list order
    std::vector<std::string> designators;   // level-2 designators in list order
};

// The seventeen listed disciplines in the order cmbdisciplines shows them,
// then "Combined Disciplines" (X) and "Non - Discipline Related" (Z).
const std::vector<Discipline>& disciplines();

// Exact, case-sensitive lookup by name; nullptr when no row has that name.
const Discipline* findDiscipline(std::string_view name);

// The one-letter code for a chosen or typed discipline text (names are
// unique; the comparison is exact); empty when no row has that name.
std::string disciplineCodeOf(std::string_view text);

// The ten entries of cmbSheettype; entry i stands for sheet type digit i.
const std::vector<std::string>& sheetTypes();

// A drawing type: its entry in the main window's list, the folder below a
// project that holds its drawings (also what "curdrawingtype.txt" keeps), and
// its word on the command line.
struct DrawingType {
    std::string entry;
    std::string folder;
    std::string word;
};
// Design drawings, then as-built drawings, in list order.
const std::vector<DrawingType>& drawingTypes();
// The design drawings, whose model folders the naming check holds to their
// discipline's model types.
const DrawingType& designDrawings();
// The drawing type whose `field` reads `text` exactly; nullptr when none does.
const DrawingType* findDrawingType(std::string_view text, std::string DrawingType::*field);

// True for the fourteen disciplines whose model list the cmdModels button
// refills; Equipment, Marine_Works, Roads and any other text leave it alone.
bool modelsButtonRefills(std::string_view disciplineName);

// The model file type code of `modelType` in the content of the model file
// code file: one record of name and code a line; every line is tested and the
// last match wins; a line that does not hold two fields is skipped. Empty
// when no line matches.
std::string modelTypeCodeIn(std::string_view codeFileContent, std::string_view modelType);

// The selection checks of the name compositions: the message to show when
// the list's text is empty, nothing when a choice was made.
std::optional<std::string> checkDisciplineChosen(std::string_view disciplineText);
std::optional<std::string> checkModelChosen(std::string_view modelTypeText);
std::optional<std::string> checkSheetTypeChosen(std::string_view sheetTypeText);

}  // namespace trv::catalogue
