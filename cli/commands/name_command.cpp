// trv-cli name: the model and sheet name compositions of the main window,
// and with --create its template copies, for a project and drawing type
// given on the command line instead of the saved choices.
#include <ostream>

#include "catalogue/tables.h"
#include "cli/commands/commands.h"
#include "cli/commands/session.h"
#include "naming/drawings.h"
#include "naming/name_composition.h"
#include "naming/names.h"
#include "naming/user_code_dialogs.h"
#include "projects/projects.h"

namespace trv::cli {
namespace {

// The form of the user code each dialog gives, for the usage message.
std::string userCodeForm(naming::UserCodeDialogKind kind) {
    using K = naming::UserCodeDialogKind;
    switch (kind) {
        case K::Architecture:
            return "F<floor>-P<part> or B<basement>-P<part>";
        case K::LegElev:
            return "E, D, L or S, the number, -P<part>";
        case K::Sections:
            return "<section>-P<part>";
        case K::OtherDisciplines:
            return "<two characters>-<two characters>";
        case K::None:
            break;
    }
    return {};
}

// What the composition needs that is the same for both kinds of name.
struct Common {
    std::string code, drawingType, discipline, facility;
    bool create = false;
};

// The composition's or the copy's messages go to standard error exactly as
// the window shows them; the name (or, after --create, the new drawing's
// path) to standard output.
int finish(const Outcome<std::string>& composition, const Common& c, std::ostream& out, std::ostream& err) {
    printMessages(composition.messages, err);
    if (!composition.value) {
        // A project without a record is no project of this office.
        return composition.reason == Reason::NoProject ? statusError : statusFound;
    }
    if (!c.create) out << *composition.value << '\n';
    return statusClean;
}

int created(Session& s, const Outcome<std::string>& copy, std::ostream& out, std::ostream& err) {
    printMessages(copy.messages, err);
    if (!copy.value) return statusFound;
    out << s.platform.displayPath(*copy.value) << '\n';
    return statusClean;
}

int modelName(Session& s, const Arguments& a, const Common& c, std::ostream& out, std::ostream& err) {
    ModelNameRequest r;
    r.codeBox = c.code;
    r.discipline = c.discipline;
    r.modelType = *a.value("--model");
    r.facility = c.facility;
    r.namedProject = NamedProject::CodeBox;
    r.dialog = naming::userCodeDialogFor(r.discipline, r.modelType);
    if (const auto userCode = a.value("--user-code")) {
        if (r.dialog == naming::UserCodeDialogKind::None)
            return badArguments(err, "a " + r.modelType + " of " + r.discipline + " takes no user code");
        const auto entries = naming::dialogEntriesOf(r.dialog, *userCode);
        if (!entries)
            return badArguments(err, "the user code " + *userCode + " is not of the form " + userCodeForm(r.dialog));
        // The dialog's "Apply" judges the entries.
        const auto applied = naming::applyDialogEntries(r.dialog, *entries);
        if (applied.verdict != naming::DialogVerdict::Accepted) {
            err << applyRefusal(r.dialog, applied.verdict) << '\n';
            return statusFound;
        }
        r.dialogResults = applied.stored;
    }
    const auto composition = composeModelFileName(s.platform, s.paths, r);
    const int status = finish(composition, c, out, err);
    if (status != statusClean || !c.create) return status;
    return created(s, createModelDrawing(s.platform, s.paths,
                                         {*composition.value, r.modelType, r.discipline, composition.project,
                                          c.drawingType}),
                   out, err);
}

int sheetName(Session& s, const Arguments& a, const Common& c, std::ostream& out, std::ostream& err) {
    const std::string digit = *a.value("--sheet-type");
    const auto& types = catalogue::sheetTypes();
    if (digit.size() != 1 || digit[0] < '0' || static_cast<std::size_t>(digit[0] - '0') >= types.size())
        return badArguments(err, "--sheet-type is a digit from 0 to 9");
    const auto number = sheetNumberEntry(a.value("--sheet-number").value_or(""));
    if (!number.value) {
        printMessages(number.messages, err);
        return statusFound;
    }
    SheetNameRequest r;
    r.codeBox = c.code;
    r.discipline = c.discipline;
    r.sheetTypeIndex = digit[0] - '0';
    r.sheetType = types[static_cast<std::size_t>(r.sheetTypeIndex)];
    r.facility = c.facility;
    r.sheetNumber = *number.value;
    r.namedProject = NamedProject::CodeBox;
    r.drawingType = c.drawingType;
    const auto composition = composeSheetFileName(s.platform, s.paths, r);
    const int status = finish(composition, c, out, err);
    if (status != statusClean || !c.create) return status;
    return created(s, createSheetDrawing(s.platform, s.paths,
                                         {*composition.value, r.discipline, composition.project, c.drawingType}),
                   out, err);
}

}  // namespace

int nameCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() != 1 || (a.words[0] != "model" && a.words[0] != "sheet"))
        return badArguments(err, "name takes model or sheet");
    const bool model = a.words[0] == "model";
    for (const char* option : {"--project", "--type", "--discipline", model ? "--model" : "--sheet-type"})
        if (!a.has(option)) return badArguments(err, std::string("name ") + a.words[0] + " needs " + option);
    const std::vector<std::string> foreign = model ? std::vector<std::string>{"--sheet-type", "--sheet-number"}
                                                   : std::vector<std::string>{"--model", "--user-code"};
    for (const std::string& option : foreign)
        if (a.has(option))
            return badArguments(err, std::string("name ") + a.words[0] + " takes no " + option);

    Common c;
    c.code = *a.value("--project");
    c.discipline = *a.value("--discipline");
    c.create = a.has("--create");
    const std::string type = *a.value("--type");
    const auto* drawingType = catalogue::findDrawingType(type, &catalogue::DrawingType::word);
    if (!drawingType) return badArguments(err, "--type is design or as-built");
    c.drawingType = drawingType->folder;
    if (!naming::isSafeFolderName(c.code)) return badArguments(err, "no project " + c.code);

    Session s(a);
    if (!s.load(err)) return statusError;
    const auto facility = facilityNumberEntry(a.value("--facility").value_or(""));
    if (!facility.value) {
        printMessages(facility.messages, err);
        return statusFound;
    }
    c.facility = *facility.value;
    return model ? modelName(s, a, c, out, err) : sheetName(s, a, c, out, err);
}

}  // namespace trv::cli
