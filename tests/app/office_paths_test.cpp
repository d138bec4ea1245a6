// The office's paths when trv.ini names its folders by a server path
// (\\server\share\folder) rather than a drive letter, as Windows sees them.
#include "app/office_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/long_paths.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

// The office as trv.ini names it, nothing of it on disk: its folders count
// as there, and its user table lists the user or not.
class NamedOffice : public testing::RecordingPlatform {
public:
    std::string userTable;
    bool userListed = false;

    FolderTest testFolder(const std::string&) override { return FolderTest::Exists; }
    bool createFolder(const std::string&) override { return false; }
    bool fileExists(const std::string& path) override {
        return path == settingsFile() || (userListed && path == userTable);
    }
    std::string readFile(const std::string& path) override {
        if (path == userTable && !userListed) throw RuntimeFailure("cannot open " + path);
        if (path == userTable) return "\"tester\",\"Tess Ter\"\r\n";
        return RecordingPlatform::readFile(path);
    }
};

// Every path of the office that TRV composes, the user's folder included.
std::vector<std::string> everyPath(const AppSettings& s) {
    const OfficePaths p(s);
    const std::string project = "KLV-13000-C000";
    const std::string model = p.modelFolder(project, "DESIGN", "Architectural");
    std::vector<std::string> all = {s.UserDir,
                                    p.userStateFolder(),
                                    p.currentProjectFile(),
                                    p.drawingTypeFile(),
                                    p.disciplineFile(),
                                    p.facilityNumberFile(),
                                    p.drawingTypeFileViaUserDir(),
                                    p.projectsRoot(),
                                    p.projectFolder(project),
                                    p.drawingTypeFolder(project, "AS-BUILT"),
                                    p.disciplineFolder(project, "DESIGN", "Fire_Protection"),
                                    model,
                                    p.sheetFolder(project, "DESIGN", "Architectural"),
                                    p.drawingIn(model, "KLV-13000-C000-01-A-FP-F1-P0"),
                                    p.fileIn(model, "x.dwg"),
                                    p.versionMarker(project, "5.0"),
                                    p.projectRecordFolder(),
                                    p.projectRecord(project),
                                    p.userTable(),
                                    p.styleSheet(project),
                                    p.ownerUnitFile(),
                                    p.modelCodeFile(),
                                    p.setUpGuide(),
                                    p.modelTemplate("Architectural", "Floor Plan"),
                                    p.modelTemplateFolder("Architectural"),
                                    p.sheetTemplate(),
                                    p.modelCodeFinderFile(),
                                    p.deliveryDestination().value_or(""),
                                    p.userManual(),
                                    p.modelsList(),
                                    p.aecSymbols(),
                                    p.draftingConventions(),
                                    p.notations(),
                                    p.draftingConventionsInVelunor().value_or(""),
                                    p.notationsInVelunor().value_or(""),
                                    p.projectsList().value_or(""),
                                    p.qualityReport(project, "DESIGN")};
    for (const auto& folder : p.deliveryFolders()) all.push_back(folder);
    for (const auto& copy : p.deliveryPlan()) {
        all.push_back(copy.source);
        all.push_back(copy.destination);
    }
    return all;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class ServerPaths : public ::testing::Test {
protected:
    // The office's paths with its folders below `root`, each written in
    // trv.ini with `ending` after it; the projects drive is `root` itself.
    std::vector<std::string> pathsBelow(const std::string& root, const std::string& ending, bool userListed) {
        NamedOffice office;
        office.setSettingsFile(dir / "trv.ini");
        office.userTable = root + "\\resources\\usernames.txt";
        office.userListed = userListed;
        std::string ini = "[Paths]\r\nProjectPath=" + root + ending + "\r\n";
        for (const char* key : {"ResourcePath=resources", "Velunor=velunor", "IndividualTemplatePath=templates",
                                "SheetTemplatePath=sheet_templates", "ResourceCopyDestPath=delivery"}) {
            const std::string k = key;
            ini += k.substr(0, k.find('=')) + "=" + root + "\\" + k.substr(k.find('=') + 1) + ending + "\r\n";
        }
        ini += "OpenInAutoCAD=C:\\CAD\\acad.exe\r\n";
        dir.write("trv.ini", ini);
        AppSettings s;
        LoadSettings(office, office, s);
        EXPECT_TRUE(s.InitOK && office.messages.empty()) << root << ending;
        EXPECT_EQ(s.UserFolder, userListed ? "Tess Ter" : "") << root << ending;
        return everyPath(s);
    }

    testing::TempFolder dir;
};

// A server path gives every path the drive letter gives, with the server
// path in its place, however trv.ini ends the folders; and the file
// functions get each one in the extended form with every separator single.
TEST_F(ServerPaths, ComposeAsADriveRootDoes) {
    struct Root {
        std::string drive;
        std::string server;
    };
    const Root roots[] = {{"P:\\office", "\\\\fileserver\\cad\\office"}, {"P:", "\\\\fileserver\\projects"}};
    for (const auto& root : roots) {
        for (const bool userListed : {true, false}) {
            const auto drivePaths = pathsBelow(root.drive, "", userListed);
            for (const std::string ending : {"", "\\"}) {
                SCOPED_TRACE(root.server + ending + (userListed ? ", user listed" : ", user not listed"));
                const auto serverPaths = pathsBelow(root.server, ending, userListed);
                ASSERT_EQ(serverPaths.size(), drivePaths.size());
                EXPECT_EQ(pathsBelow(root.drive, ending, userListed), drivePaths);
                for (std::size_t i = 0; i < serverPaths.size(); ++i) {
                    const std::string& path = serverPaths[i];
                    if (drivePaths[i].empty()) {
                        ADD_FAILURE() << "path " << i << " is empty";
                        continue;
                    }
                    EXPECT_EQ(path, replaced(drivePaths[i], root.drive, root.server)) << i;
                    const std::string extended = extendedLengthPath(path, {});
                    const std::string share = "\\\\?\\UNC" + root.server.substr(1) + "\\";
                    EXPECT_EQ(extended.substr(0, share.size()), share) << path;
                    EXPECT_EQ(extended.find("\\\\", 2), std::string::npos) << path << " -> " << extended;
                    EXPECT_EQ(extended, replaced(extendedLengthPath(drivePaths[i], {}), "\\\\?\\" + root.drive,
                                                 "\\\\?\\UNC" + root.server.substr(1)))
                        << path;
                }
            }
        }
    }
}

}  // namespace
}  // namespace trv
