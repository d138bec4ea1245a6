#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/native_platform.h"

namespace trv {
class Control;
}
namespace trv::ui {
class Application;
}

namespace trv::cli {

// The platform as trv-cli runs it: the real file system, with message boxes,
// modal windows and shell operations written to the transcript instead.
// Nothing is really opened or started.
class ScriptPlatform : public NativePlatform {
public:
    explicit ScriptPlatform(std::ostream& out) : out_(out) {}

    void setSettingsFile(std::string path) { settingsFile_ = std::move(path); }
    void setUserName(std::string user) {
        user_ = std::move(user);
        userSet_ = true;
    }
    void setShellResult(int result) { shellResult_ = result; }
    void setModalRunner(std::function<void(const std::string&)> runner) { modal_ = std::move(runner); }

    std::string settingsFile() override;
    std::string logonName() override;
    void message(const std::string& text) override;
    void chooseProgramFor(const std::string& path) override;
    void runModal(const std::string& windowName) override;
    int openDocument(const std::string& path) override;
    void startProgram(const std::string& program, const std::string& argument) override;

private:
    std::ostream& out_;
    std::string settingsFile_;
    std::string user_;
    bool userSet_ = false;
    int shellResult_ = 42;
    std::function<void(const std::string&)> modal_;
};

// Plays a script against the program and writes the transcript.
class Player {
public:
    Player(ui::Application& app, ScriptPlatform& platform, std::ostream& out);
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
    ScriptPlatform& platform_;
    std::ostream& out_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t lineNumber_ = 0;
    bool expectFailed_ = false;
    bool scriptError_ = false;
    bool endAnnounced_ = false;
};

}  // namespace trv::cli
