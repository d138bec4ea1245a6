// The file-system calls of each action, played through the same player and
// program trv-cli uses on a small office, counted at the port: on the
// office's file server every call is a round trip.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/player.h"
#include "support/counting_platform.h"
#include "support/temp_folder.h"
#include "ui/application.h"

namespace trv {
namespace {

const std::string project = "KLV-13000-C000";
const std::string design = "projects/PROJECTS/" + project + "/DESIGN/Architectural/";

std::string record(const std::vector<std::string>& fields) {
    std::string line, sep;
    for (const auto& f : fields) line += sep + "\"" + f + "\"", sep = ",";
    return line + "\r\n";
}

// The office of the end-to-end cases, used before: the user's four saved
// choices, the projects folder, the templates.
void layOutOffice(const testing::TempFolder& w) {
    for (const char* folder : {"resources/vb_server", "resources/style_sheets", "projects/PROJECTS", "velunor",
                               "delivery", "sheet_templates", "resources/AEC_Resources"})
        w.mkdir(folder);
    w.write("resources/vb_server/modelfilescodes.txt", "\"Floor Plan\",\"FP\"\r\n");
    w.write("resources/projectscodes/" + project + ".txt", record({project, "HARBOUR TERMINAL EXTENSION"}));
    w.write("resources/projectscodes/KLV-21400-PB00.txt", record({"KLV-21400-PB00", "NORTH DEPOT WORKSHOPS"}));
    w.write("resources/usernames.txt", record({"tester", "tester"}));
    w.write("templates/Architectural/Floor Plan.dwg", "template");
    w.write("bin/acad", "");
    const std::string state = "projects/tester/PROJECTS/";
    w.write(state + "curproject.txt", record({project, "HARBOUR TERMINAL EXTENSION", project}));
    w.write(state + "curdrawingtype.txt", record({"DESIGN"}));
    w.write(state + "curdiscipline.txt", record({"Architectural"}));
    w.write(state + "facilnumber.txt", record({"01"}));
    std::string ini = "[Paths]\r\n";
    for (const auto& [key, folder] : std::vector<std::pair<std::string, std::string>>{
             {"ResourcePath", "resources"}, {"Velunor", "velunor"}, {"ProjectPath", "projects"},
             {"IndividualTemplatePath", "templates"}, {"SheetTemplatePath", "sheet_templates"},
             {"ResourceCopyDestPath", "delivery"}, {"OpenInAutoCAD", "bin/acad"}})
        ini += key + "=" + (w / folder) + "\r\n";
    w.write("trv.ini", ini);
}

// The calls the script `lines` makes on a fresh office that `setUp` changed.
int callsOf(const std::vector<std::string>& lines, const std::function<void(const testing::TempFolder&)>& setUp) {
    testing::TempFolder w;
    layOutOffice(w);
    if (setUp) setUp(w);
    std::ostringstream transcript;
    testing::Counting<cli::ScriptSystem> platform(transcript);
    cli::ScriptInteraction interaction(platform, transcript);
    platform.setSettingsFile(w / "trv.ini");
    platform.setUserName("tester");
    ui::Application app(platform, interaction);
    cli::Player player(app, platform, interaction, transcript);
    EXPECT_EQ(player.play(lines), 0) << transcript.str();
    return platform.total();
}

// The calls of the script's last line alone.
int callsOfLastLine(const std::vector<std::string>& lines,
                    const std::function<void(const testing::TempFolder&)>& setUp = {}) {
    return callsOf(lines, setUp) - callsOf({lines.begin(), lines.end() - 1}, setUp);
}

void files(const testing::TempFolder& w, const std::string& folder, int count, const std::string& prefix) {
    for (int i = 0; i < count; ++i) w.write(folder + prefix + std::to_string(1000 + i) + ".dwg", "d");
}

TEST(CallBudget, EachActionStaysWithinItsCalls) {
    const std::vector<std::string> model = {"choose cmbModels \"Floor Plan\"", "click cmdcode12",
                                            "choose frmArchitecture.cmbDrawingtype Floor",
                                            "set frmArchitecture.cmbfbnumber 1", "click frmArchitecture.Command1"};
    const auto with = [](std::vector<std::string> lines, const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    };
    // A project worked on: its tree is there.
    const auto treeThere = [](const testing::TempFolder& w) {
        for (const char* type : {"DESIGN", "AS-BUILT"})
            for (const char* leaf : {"MODEL_FILES", "SHEET_FILES"})
                w.mkdir("projects/PROJECTS/" + project + "/" + type + "/Architectural/" + leaf);
    };
    const auto drawingExists = [&](const testing::TempFolder& w) {
        treeThere(w);
        w.write(design + "MODEL_FILES/" + project + "-01-A-FP-F1-P0.dwg", "d");
    };
    struct Case {
        const char* action;
        std::vector<std::string> lines;
        std::function<void(const testing::TempFolder&)> setUp;
        int budget;
    };
    const Case cases[] = {
        {"choose a project", {"choose cmbProjectCode KLV-21400-PB00"}, {}, 8},
        {"first copy of a new project", with(model, {"click cmdCopyModel"}), {}, 60},
        {"copy when the drawing exists", with(model, {"click cmdCopyModel"}), drawingExists, 20},
        {"open it", with(model, {"click cmdOpen"}), drawingExists, 20},
        {"the sheet name", {"choose cmbSheettype \"2:Plans\"", "click cmdSheetName"}, treeThere, 20},
    };
    EXPECT_LE(callsOf({}, {}), 30) << "start with saved choices";
    for (const auto& c : cases) EXPECT_LE(callsOfLastLine(c.lines, c.setUp), c.budget) << c.action;
}

TEST(CallBudget, NothingGrowsWithTheFilesOfAFolder) {
    struct Case {
        const char* action;
        std::vector<std::string> lines;
        std::string folder;   // where the files go
        int budget;           // calls with few files
        int perFile;          // calls each further file may add
    };
    const Case cases[] = {
        {"the naming check lists each folder once", {"click Command1"}, design + "MODEL_FILES/", 60, 0},
        {"sheet numbering lists the sheet folder once",
         {"choose cmbSheettype \"2:Plans\"", "click cmdSheetName"},
         design + "SHEET_FILES/",
         25,  // the project's other folders made
         0},
        {"the delivery", {"click cmdCopyres", "click frmCopyRes.cmdCopyresources"}, "resources/AEC_Resources/few/", 100, 6},
    };
    for (const auto& c : cases) {
        const auto count = [&](int n) {
            return callsOfLastLine(c.lines, [&](const testing::TempFolder& w) {
                files(w, c.folder, n, project + "-01-A-2");
            });
        };
        const int few = count(3), more = count(23);
        EXPECT_LE(few, c.budget) << c.action;
        EXPECT_LE(more - few, 20 * c.perFile) << c.action << ": " << few << " calls with 3 files, " << more
                                             << " with 23";
    }
}

}  // namespace
}  // namespace trv
