#include "tools/documents.h"

#include <exception>

#include "app/program.h"
#include "app/open_document.h"

namespace trv {
namespace tools {

Outcome<DocumentToOpen> findReferenceDocument(Platform& platform, const OfficePaths& paths,
                                              ReferenceDocument document) {
    std::vector<ConfiguredPath> candidates;
    std::string missingMessage;
    DocumentToOpen found;
    found.shellFailure = unknowShellError;
    switch (document) {
        case ReferenceDocument::UserManual:
            candidates = {paths.userManual()};
            missingMessage = "Can not find file " + platform.displayPath(paths.userManual());
            found.shellFailure = "Unknown error during ShellExecute(";
            break;
        case ReferenceDocument::ModelsList:
            candidates = {paths.modelsList()};
            missingMessage = "Can not find(or copy) file klv-cadd-std-02.xls";
            break;
        case ReferenceDocument::DraftingConventions:
            candidates = {paths.draftingConventions(), paths.draftingConventionsInVelunor()};
            missingMessage = "Can not find file 07_Drafting Conventions.pdf";
            break;
        case ReferenceDocument::AecSymbols:
            candidates = {paths.aecSymbols()};
            missingMessage = "Can not find(or copy) file " + platform.displayPath(paths.aecSymbols());
            break;
        case ReferenceDocument::Notations:
            candidates = {paths.notations(), paths.notationsInVelunor()};
            missingMessage = "Can not find file 11_Notations.pdf";
            break;
    }
    // The second candidate is looked at only when the first is not there.
    for (const ConfiguredPath& candidate : candidates) {
        if (candidate && platform.fileExists(*candidate)) {
            found.path = *candidate;
            return found;
        }
    }
    return Outcome<DocumentToOpen>().refuse(missingMessage, Reason::Failed);
}

std::string projectsListText(const std::vector<std::string>& recordFiles) {
    std::string text;
    for (const std::string& content : recordFiles) {
        // The file's lines, without their line ends (CR LF, LF or CR).
        for (const char c : content)
            if (c != '\r' && c != '\n') text += c;
        text += "\r\n";
    }
    return text + "\r\n";
}

ConfiguredPath rebuildProjectsList(Platform& platform, const OfficePaths& paths) {
    const ConfiguredPath list = paths.projectsList();
    if (!list) return list;
    const std::string folder = paths.projectRecordFolder();
    if (platform.testFolder(folder) != FolderTest::Exists) return list;
    std::vector<std::string> records;
    for (const std::string& name : platform.listFiles(folder)) {
        try {
            records.push_back(platform.readTextFile(paths.fileIn(folder, name)));
        } catch (const std::exception&) {
            // A record that cannot be read is left out.
        }
    }
    try {
        platform.replaceFile(*list, projectsListText(records));
    } catch (const std::exception&) {
        // The list stays as it was and is opened as it is.
    }
    return list;
}

}  // namespace tools

namespace {

void openReferenceDocument(Program& p, tools::ReferenceDocument document) {
    p.loadSettings();
    const auto found = tools::findReferenceDocument(p.platform, p.paths, document);
    show(p.ui, found, &p.form1);
    if (found.value) openDocumentOrChooser(p.platform, p.ui, found.value->path, found.value->shellFailure);
}

}  // namespace

void cmdusemanual_Click(Program& p) { openReferenceDocument(p, tools::ReferenceDocument::UserManual); }
void cmdModelslist_Click(Program& p) { openReferenceDocument(p, tools::ReferenceDocument::ModelsList); }
void cmdncs4_Click(Program& p) { openReferenceDocument(p, tools::ReferenceDocument::DraftingConventions); }
void cmdaecsymb_Click(Program& p) { openReferenceDocument(p, tools::ReferenceDocument::AecSymbols); }
void cmdNcsNotation_Click(Program& p) { openReferenceDocument(p, tools::ReferenceDocument::Notations); }

void cmdprojecsfile_Click(Program& p) {
    p.loadSettings();
    if (const auto list = tools::rebuildProjectsList(p.platform, p.paths))
        openDocumentOrChooser(p.platform, p.ui, *list);
}

}  // namespace trv
