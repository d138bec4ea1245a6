#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The grammar of drawing names, as pure functions of their field values.
namespace trv::naming {

// The facility number as it enters a name: two characters unchanged, one
// with "0" in front, none as "00", upper-cased. Nothing for a longer text.
std::optional<std::string> padFacilityNumber(std::string_view text);

// A value that ends up in a file or folder name must not hold a character
// that cannot stand in a Windows file name (\ / : * ? " < > | or a control
// character) nor bytes that are not UTF-8; a folder name must not be "." or "..".
bool isSafeNamePart(std::string_view value);
bool isSafeFolderName(std::string_view value);

// The user code dialog that a discipline and a model file type call for.
enum class UserCodeDialogKind { Architecture, LegElev, Sections, OtherDisciplines, None };
UserCodeDialogKind userCodeDialogFor(std::string_view discipline, std::string_view modelType);

struct DialogResults {
    std::string tdrawingtype;
    std::string fbnumber;
    std::string partnumber;
};

// The one acceptance rule of each dialog, judged on its results as "Apply"
// stores them: the dialog's "Apply" shows a message for each refusal, the
// composition takes "00-00" for results their dialog refuses.
enum class DialogVerdict { Accepted, NumberMissing, TooLong };
DialogVerdict judgeDialogResults(UserCodeDialogKind kind, const DialogResults& stored);
bool dialogAccepts(UserCodeDialogKind kind, const DialogResults& stored);

// What "Apply" stores from what was entered (also when it refuses): an empty
// part number becomes "0"; the sections dialog's type is "Sections"; the
// other-disciplines dialog completes an accepted one-character entry with "X".
struct AppliedDialog {
    DialogResults stored;
    DialogVerdict verdict;
};
AppliedDialog applyDialogEntries(UserCodeDialogKind kind, DialogResults entered);

// The user code derived from a dialog's results; "00-00" when the dialog
// would refuse them, so a rejected entry never reaches a name.
std::string userCodeFrom(UserCodeDialogKind kind, const DialogResults& r);

// The dialog entries that give a typed user code (F1-P0, AA-P1, 01-02...),
// read back by the form of the dialog's user code: the letter names the
// drawing type, then the number, "-P" (just "-" in the other-disciplines
// dialog) and the part number. Nothing when the code is not of that form.
// "Apply" still judges the entries.
std::optional<DialogResults> dialogEntriesOf(UserCodeDialogKind kind, std::string_view userCode);

// The model file name: internal code, facility number, designator, model
// file type code and user code joined by hyphens, upper-cased; a user code
// that is not exactly five characters becomes "00-00".
std::string composeModelName(std::string_view internalCode, std::string_view facility,
                             std::string_view disciplineCode, std::string_view modelTypeCode,
                             std::string_view userCode);

// The form DDD-X of a typed sheet number: three digits, a hyphen, any one character.
bool isSheetNumberForm(std::string_view text);

// The sheet name base: internal code, facility number, designator and the
// sheet type digit (written as a decimal number, -1 for typed text).
std::string sheetNameBase(std::string_view internalCode, std::string_view facility,
                          std::string_view disciplineCode, int sheetTypeIndex);

// The next free sheet number after the files of a sheet folder that begin
// with the name base: one more than the highest number found, at least
// three digits. Nothing when a name does not end in a number; a number too
// large to be increased (the largest 64-bit one and beyond) is left out.
std::optional<std::string> nextSheetNumber(const std::vector<std::string>& fileNames,
                                           std::string_view nameBase);

// The file name part of a path without its extension: "C:\a\b.c.dwg" gives "b".
std::string GetFileName(std::string_view flname);

}  // namespace trv::naming
