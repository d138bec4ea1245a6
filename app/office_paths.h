#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/settings.h"

namespace trv {

// Every folder and file of the office that TRV reads or writes, computed from
// the settings (and, for a project's tree, from the choices): the user's state
// folder and saved choice files, the shared PROJECTS tree, the resource
// folder's records, data files and documents, and the templates. No other
// code spells a folder or file name of the office.
//
// Paths are built as the program always built them, by concatenation with
// backslashes; the settings' folders end with one, so some paths hold a
// doubled backslash, which names the same folder.
// A path of a folder that may not be configured: none then, never a path
// relative to wherever the program was started.
using ConfiguredPath = std::optional<std::string>;

class OfficePaths {
public:
    explicit OfficePaths(const AppSettings& settings) : s_(settings) {}

    // Whether the resource folder (ResourcePath) and the projects folder
    // (ProjectPath) are configured; without them every path below them would
    // be relative to wherever the program was started.
    bool resourceFolderConfigured() const { return !s_.ResourcePath.empty(); }
    bool projectFolderConfigured() const { return !s_.ProjectPath.empty(); }

    // ---- the user's own folder ----

    // UserDir & "\PROJECTS": the user's state folder.
    std::string userStateFolder() const;
    // "curproject.txt" in the state folder, addressed through UserDir.
    std::string currentProjectFile() const;
    // The other saved choice files, addressed through ProjectPath & UserFolder.
    std::string drawingTypeFile() const;
    std::string disciplineFile() const;
    std::string facilityNumberFile() const;
    // The drawing type file as the copy and open commands name it in their
    // messages: the same file, addressed through UserDir.
    std::string drawingTypeFileViaUserDir() const;

    // ---- the shared project tree ----

    // ProjectRoot & "\PROJECTS".
    std::string projectsRoot() const;
    std::string projectFolder(const std::string& project) const;
    // "DESIGN" or "AS-BUILT" below the project.
    std::string drawingTypeFolder(const std::string& project, const std::string& drawingType) const;
    std::string disciplineFolder(const std::string& project, const std::string& drawingType,
                                 const std::string& discipline) const;
    std::string modelFolder(const std::string& project, const std::string& drawingType,
                            const std::string& discipline) const;
    std::string sheetFolder(const std::string& project, const std::string& drawingType,
                            const std::string& discipline) const;
    // A drawing (a name without extension) in a model or sheet folder.
    std::string drawingIn(const std::string& folder, const std::string& name) const;
    // A file of a folder by its whole name, extension included.
    std::string fileIn(const std::string& folder, const std::string& fileName) const;
    // The version marker "TRV <version>" in the project folder.
    std::string versionMarker(const std::string& project, const std::string& version) const;

    // ---- the resource folder ----

    std::string projectRecordFolder() const;
    std::string projectRecord(const std::string& code) const;
    std::string userTable() const;
    std::string styleSheet(const std::string& project) const;
    // "Units.txt": the owner units, a name and a unit code a record.
    std::string ownerUnitFile() const;
    std::string modelCodeFile() const;
    // The document the path-problem window links to.
    std::string setUpGuide() const;

    // ---- templates ----

    std::string modelTemplate(const std::string& discipline, const std::string& modelType) const;
    // The folder of a discipline's model templates.
    std::string modelTemplateFolder(const std::string& discipline) const;
    // "KLV_TEMPLATE.dwg": every new project's style sheet starts as a copy of it.
    std::string sheetTemplate() const;

    // ---- the code finder and the resource delivery ----

    // "vb_server\FindModelFilesCodes2.csv": the codes the code finder looks up.
    std::string modelCodeFinderFile() const;

    // One step of the delivery's copy plan: a folder tree or a single file.
    struct DeliveryCopy {
        std::string source;
        std::string destination;
        bool folderTree;
    };
    // ResourceCopyDestPath: the folder the delivery tree "klv2contractor" goes under.
    ConfiguredPath deliveryDestination() const;
    // The ten folders of the delivery tree in the order they are made; the
    // first is the top of the tree.
    std::vector<std::string> deliveryFolders() const;
    // The copy plan in order. Without a CAD-standards folder (Velunor empty)
    // its three trees are left out: their paths would be relative to
    // wherever the program was started.
    std::vector<DeliveryCopy> deliveryPlan() const;

    // ---- reference documents, the projects list and the quality report ----

    // The standard's documents in the resource folder.
    std::string userManual() const;
    std::string modelsList() const;
    std::string aecSymbols() const;
    std::string draftingConventions() const;
    std::string notations() const;
    // The same chapters in the CAD-standards product's folder, when one is
    // configured.
    ConfiguredPath draftingConventionsInVelunor() const;
    ConfiguredPath notationsInVelunor() const;
    // "klvprojects.txt": a record appended per project created, rebuilt from
    // the project records; none when no resource folder is configured.
    ConfiguredPath projectsList() const;
    // The naming check's report in the project folder, for example
    // KLV-13000-C000_DESIGN_qa.txt.
    std::string qualityReport(const std::string& project, const std::string& drawingType) const;

private:
    const AppSettings& s_;
};

}  // namespace trv
