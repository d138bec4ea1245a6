#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/native_platform.h"
#include "platform/user_interaction.h"

namespace trv {
class Control;
}
namespace trv::ui {
class Application;
}

namespace trv::cli {

// The operating system as trv-cli runs it: the real file system, with the
// shell's operations written to the transcript instead (nothing is really
// opened or started), and the configuration file and logon name that the
// command line names.
class ScriptSystem : public NativePlatform {
public:
    explicit ScriptSystem(std::ostream& out) : out_(out) {}

    void setSettingsFile(std::string path) { settingsFile_ = std::move(path); }
    void setUserName(std::string user) {
        user_ = std::move(user);
        userSet_ = true;
    }
    void setShellResult(int result) { shellResult_ = result; }

    std::string settingsFile() override;
    std::string logonName() override;
    int openDocument(const std::string& path) override;
    void startProgram(const std::string& program, const std::string& argument) override;

private:
    std::ostream& out_;
    std::string settingsFile_;
    std::string user_;
    bool userSet_ = false;
    int shellResult_ = 42;
};

// What a person would see, written to the transcript: message boxes, the
// chooser of programs; a modal window plays the script until it closes.
class ScriptInteraction : public UserInteraction {
public:
    ScriptInteraction(ScriptSystem& system, std::ostream& out) : system_(system), out_(out) {}

    void setModalRunner(std::function<void(const std::string&)> runner) { modal_ = std::move(runner); }

    void message(const std::string& text) override;
    void chooseProgramFor(const std::string& path) override;
    void runModal(const std::string& windowName) override;

private:
    ScriptSystem& system_;
    std::ostream& out_;
    std::function<void(const std::string&)> modal_;
};

// Plays a script against the program and writes the transcript.
class Player {
public:
    Player(ui::Application& app, ScriptSystem& system, ScriptInteraction& interaction, std::ostream& out);
    // 0 when the script ran (or the program ended) and every expectation
    // held, 1 when an expectation failed, 2 for a script error.
    int play(const std::vector<std::string>& lines);

private:
    // Runs lines until the end, the program's end or a script error; inside
    // a modal window, until that window is no longer on show.
    void run(const std::string* modalWindow);
    void execute(const std::vector<std::string>& words);
    void runModal(const std::string& windowName);
    Control* findControl(const std::string& name);
    void error(const std::string& what);

    ui::Application& app_;
    ScriptSystem& system_;
    std::ostream& out_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t lineNumber_ = 0;
    bool expectFailed_ = false;
    bool scriptError_ = false;
    bool endAnnounced_ = false;
};

}  // namespace trv::cli
