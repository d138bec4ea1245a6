// The whole program under the script player, on a small office: the fuzzed
// bytes are script lines (at most 48 of at most 200 bytes), played as
// `trv-cli play` plays them, the transcript thrown away.
//
// The office is laid out once per process in a temporary folder
// (trv-fuzz-<process id>) and put back
// as it was before each input (what the last input created removed, what it
// changed rewritten), so every input starts from the same office.
//
// Nothing the player does may leave that office: every path the program
// hands the operating system port must lie inside it (or, for a look that
// changes nothing, be one of the folders above it), or the fuzzer stops with
// the path. Nothing is ever opened or started: ScriptSystem only writes the
// shell's operations to the transcript, OpenInAutoCAD names a plain file of
// the office that is no program, and posix_spawn itself aborts here.
//
// TRV_FUZZ_TRANSCRIPT=1 writes the transcripts to standard error (to see
// what an input does).
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/player.h"
#include "ui/application.h"

namespace fs = std::filesystem;

// No program is ever started from here.
extern "C" int posix_spawn(pid_t*, const char* path, const posix_spawn_file_actions_t*, const posix_spawnattr_t*,
                           char* const[], char* const[]) {
    std::fprintf(stderr, "the player started a program: %s\n", path);
    std::abort();
}
extern "C" int posix_spawnp(pid_t*, const char* file, const posix_spawn_file_actions_t*, const posix_spawnattr_t*,
                            char* const[], char* const[]) {
    std::fprintf(stderr, "the player started a program: %s\n", file);
    std::abort();
}

namespace {

constexpr std::size_t maxLines = 48;
constexpr std::size_t maxLineBytes = 200;

std::string readWhole(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeWhole(const fs::path& p, const std::string& content) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string record(std::initializer_list<const char*> fields) {
    std::string line;
    for (const char* f : fields) line += (line.empty() ? "\"" : ",\"") + std::string(f) + "\"";
    return line + "\r\n";
}

class Office {
public:
    Office() {
        // libFuzzer ends without running destructors: the office of a process
        // that has ended is removed by the next one.
        const fs::path temp = fs::temp_directory_path();
        for (const auto& entry : fs::directory_iterator(temp)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("trv-fuzz-") || name.find_first_not_of("0123456789", 9) != std::string::npos)
                continue;
            const long pid = std::strtol(name.c_str() + 9, nullptr, 10);
            if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove_all(entry.path());
        }
        const fs::path scratch = temp / ("trv-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(scratch);
        root_ = scratch / "office";
        const std::string r = root_.string();
        const fs::path demo = TRV_DEMO_OFFICE;
        files_ = {
            {"trv.ini", "[Paths]\r\nResourcePath=" + r + "/resources\r\nVelunor=" + r + "/velunor\r\nProjectPath=" +
                            r + "/projects\r\nIndividualTemplatePath=" + r + "/templates\r\nSheetTemplatePath=" + r +
                            "/sheet_templates\r\nResourceCopyDestPath=" + r +
                            "/delivery\r\nDispCreateProjBtn=1\r\nDispNCSBtn=1\r\nOpenInAutoCAD=" + r + "/bin/acad\r\n"},
            {"resources/projectscodes/KLV-13000-C000.txt", record({"KLV-13000-C000", "HARBOUR TERMINAL EXTENSION"})},
            {"resources/projectscodes/KLV-21400-PB00.txt", record({"KLV-21400-PB00", "NORTH DEPOT WORKSHOPS"})},
            {"resources/usernames.txt", record({"tester", "tester"})},
            {"resources/Units.txt", record({"Harbour Works Unit", "HWU"})},
            {"resources/klvprojects.txt", record({"KLV-13000-C000", "HARBOUR TERMINAL EXTENSION"})},
            {"resources/vb_server/modelfilescodes.txt", readWhole(demo / "resources/vb_server/modelfilescodes.txt")},
            {"resources/vb_server/FindModelFilesCodes2.csv",
             readWhole(demo / "resources/vb_server/FindModelFilesCodes2.csv")},
            {"resources/style_sheets/KLV-13000-C000.dwg", "style sheet C000\r\n"},
            {"resources/Standard_documents/klv-cadd-std-06.doc", "guide"},
            {"resources/AEC_Resources/docs/AppendixD.pdf", "symbols"},
            {"templates/Architectural/Floor Plan.dwg", "model template"},
            {"sheet_templates/KLV_TEMPLATE.dwg", "sheet template"},
            {"velunor/standards.txt", "standards"},
            {"bin/acad", "not a program"},
        };
        for (const char* folder : {"projects", "delivery"}) folders_.insert(folder);
        for (const auto& [path, content] : files_)
            for (fs::path p = path.parent_path(); !p.empty(); p = p.parent_path()) folders_.insert(p);
        if (files_["resources/vb_server/modelfilescodes.txt"].empty()) {
            std::fprintf(stderr, "no demo office at %s\n", TRV_DEMO_OFFICE);
            std::abort();
        }
        restore();
    }
    const fs::path& root() const { return root_; }

    // Removes what is not part of the office and puts back what changed.
    void restore() {
        std::vector<fs::path> extra;
        if (fs::exists(root_)) {
            for (auto it = fs::recursive_directory_iterator(root_); it != fs::recursive_directory_iterator(); ++it) {
                const fs::path rel = it->path().lexically_relative(root_);
                const bool folder = it->is_directory() && !it->is_symlink();
                if (folder ? folders_.count(rel) : files_.count(rel)) continue;
                extra.push_back(it->path());
                if (folder) it.disable_recursion_pending();
            }
        }
        for (const auto& p : extra) fs::remove_all(p);
        for (const auto& f : folders_) fs::create_directories(root_ / f);
        for (const auto& [path, content] : files_)
            if (readWhole(root_ / path) != content) writeWhole(root_ / path, content);
    }

private:
    fs::path root_;
    std::map<fs::path, std::string> files_;
    std::set<fs::path> folders_;
};

// The port as trv-cli has it, with every path checked on its way to the
// operating system.
class FencedSystem : public trv::cli::ScriptSystem {
public:
    FencedSystem(std::ostream& out, const fs::path& root) : ScriptSystem(out), root_(root) {}

    bool isPresent(const std::string& p) override { return look(p), ScriptSystem::isPresent(p); }
    bool fileExists(const std::string& p) override { return look(p), ScriptSystem::fileExists(p); }
    trv::FolderTest testFolder(const std::string& p) override { return look(p), ScriptSystem::testFolder(p); }
    std::vector<std::string> listFiles(const std::string& p) override { return look(p), ScriptSystem::listFiles(p); }
    std::vector<std::string> listFilesStartingWith(const std::string& p, const std::string& prefix) override {
        return inside(p), ScriptSystem::listFilesStartingWith(p, prefix);
    }
    std::string readFile(const std::string& p) override { return inside(p), ScriptSystem::readFile(p); }
    // Looked for as by the presence test; what it reads must be inside.
    std::optional<std::string> readPresentFile(const std::string& p) override {
        look(p);
        auto content = ScriptSystem::readPresentFile(p);
        if (content) inside(p);
        return content;
    }
    std::vector<FolderEntry> listEntries(const std::string& p) override {
        return inside(p), ScriptSystem::listEntries(p);
    }
    bool canListFolder(const std::string& p) override { return inside(p), ScriptSystem::canListFolder(p); }

    bool createFolder(const std::string& p) override { return inside(p), ScriptSystem::createFolder(p); }
    void replaceFile(const std::string& p, const std::string& c) override {
        inside(p);
        ScriptSystem::replaceFile(p, c);
    }
    bool createNewFile(const std::string& p, const std::string& c) override {
        return inside(p), ScriptSystem::createNewFile(p, c);
    }
    trv::CopyOutcome copyToNewFile(const std::string& from, const std::string& to) override {
        return inside(from), inside(to), ScriptSystem::copyToNewFile(from, to);
    }
    void appendToFile(const std::string& p, const std::string& t) override {
        inside(p);
        ScriptSystem::appendToFile(p, t);
    }
    void replaceWithCopy(const std::string& from, const std::string& to) override {
        inside(from), inside(to);
        ScriptSystem::replaceWithCopy(from, to);
    }
    bool copyFileReplacing(const std::string& from, const std::string& to) override {
        return inside(from), inside(to), ScriptSystem::copyFileReplacing(from, to);
    }
    trv::CopyOutcome copyFileAs(const std::string& from, const std::string& to, bool replace) override {
        return inside(from), inside(to), ScriptSystem::copyFileAs(from, to, replace);
    }
    void removeStaleTemporaries(const std::string& p) override {
        inside(p);
        ScriptSystem::removeStaleTemporaries(p);
    }
    std::string resolvedPath(const std::string& p) override { return look(p), ScriptSystem::resolvedPath(p); }
    void removeFile(const std::string& p) override {
        inside(p);
        ScriptSystem::removeFile(p);
    }
    bool canCreateFileIn(const std::string& p) override { return inside(p), ScriptSystem::canCreateFileIn(p); }
    int openDocument(const std::string& p) override { return inside(p), ScriptSystem::openDocument(p); }
    void startProgram(const std::string& program, const std::string& argument) override {
        inside(program), inside(argument);
        ScriptSystem::startProgram(program, argument);
    }

private:
    // The path as the port takes it: either separator, "." and ".." resolved.
    fs::path normal(const std::string& p) const {
        std::string s = p;
        for (char& c : s)
            if (c == '\\') c = '/';
        return fs::path(s).lexically_normal();
    }
    bool within(const fs::path& p) const {
        if (!p.is_absolute()) return false;
        const fs::path rel = p.lexically_relative(root_);
        return !rel.empty() && *rel.begin() != "..";
    }
    void escaped(const std::string& p) const {
        std::fprintf(stderr, "the player reached outside the office: \"%s\"\n", p.c_str());
        std::abort();
    }
    // Inside the office.
    void inside(const std::string& p) const {
        if (!within(normal(p))) escaped(p);
    }
    // Inside the office, or one of the folders that hold it.
    void look(const std::string& p) const {
        const fs::path n = normal(p);
        if (within(n)) return;
        const fs::path rel = root_.lexically_relative(n);
        if (!n.is_absolute() || rel.empty() || *rel.begin() == "..") escaped(p);
    }

    fs::path root_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Office office;
    static const bool showTranscript = std::getenv("TRV_FUZZ_TRANSCRIPT") != nullptr;

    std::vector<std::string> lines;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; lines.size() < maxLines && std::getline(in, line);)
        lines.push_back(line.substr(0, maxLineBytes));

    office.restore();
    std::ostream discard(nullptr);
    std::ostream& out = showTranscript ? std::cerr : discard;
    FencedSystem system(out, office.root());
    system.setSettingsFile((office.root() / "trv.ini").string());
    system.setUserName("tester");
    trv::cli::ScriptInteraction interaction(system, out);
    trv::ui::Application app(system, interaction);
    trv::cli::Player player(app, system, interaction, out);
    player.play(lines);
    return 0;
}
