#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/native_platform.h"
#include "platform/user_interaction.h"
#include "ui/window_description.h"

namespace trv {
class Control;
}
namespace trv::ui {
class Application;
}

namespace trv::cli {

// The operating system as trv-cli runs it: the real file system, with the
// shell's operations written to the transcript instead (nothing is really
// opened or started); the command line names the configuration file and
// logon name (NativePlatform::setSettingsFile, setUserName).
class ScriptSystem : public NativePlatform {
public:
    explicit ScriptSystem(std::ostream& out) : out_(out) {}

    void setShellResult(int result) { shellResult_ = result; }

    int openDocument(const std::string& path) override;
    void startProgram(const std::string& program, const std::string& argument) override;

private:
    std::ostream& out_;
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

// A control a script line acts on.
struct ScriptControl {
    std::string window;  // the window's name
    std::string name;    // the control's name
    Control& model;
    ui::ControlKind kind;
};

// How the player's actions reach the program: straight to the control
// models (trv-cli), or as messages to the native controls of a front end
// (trv.exe play). The player has checked that the action is possible.
class ControlDriver {
public:
    virtual ~ControlDriver() = default;
    // A click on a button or label.
    virtual void click(const ScriptControl& c) = 0;
    // The user picks entry `index` of a list.
    virtual void choose(const ScriptControl& c, int index) = 0;
    // The user types one character (UTF-8) at the end of the text.
    virtual void typeCharacter(const ScriptControl& c, const std::string& character) = 0;
    // The whole text replaced at once, as code does it.
    virtual void setText(const ScriptControl& c, const std::string& text) = 0;
    // The window's close box.
    virtual void close(const std::string& windowName) = 0;
};

// The actions as calls on the control models.
class ModelDriver : public ControlDriver {
public:
    explicit ModelDriver(ui::Application& app) : app_(app) {}
    void click(const ScriptControl& c) override;
    void choose(const ScriptControl& c, int index) override;
    void typeCharacter(const ScriptControl& c, const std::string& character) override;
    void setText(const ScriptControl& c, const std::string& text) override;
    void close(const std::string& windowName) override;

private:
    ui::Application& app_;
};

// Plays a script against the program and writes the transcript.
class Player {
public:
    // Without a driver the actions go straight to the control models.
    Player(ui::Application& app, ScriptSystem& system, ScriptInteraction& interaction, std::ostream& out,
           ControlDriver* driver = nullptr);

    // A script command: the words of its line (its name first) in, the text
    // of a script error out (empty when it ran).
    using Words = std::vector<std::string>;
    using Command = std::function<std::string(const Words&)>;
    // Adds a command taking `words` words after its name to the table the
    // built-in ones are in (a front end's own, such as `snap`).
    void addCommand(const std::string& name, std::size_t words, Command command);

    // 0 when the script ran (or the program ended) and every expectation
    // held, 1 when an expectation failed, 2 for a script error.
    int play(const std::vector<std::string>& lines);

private:
    // Runs lines until the end, the program's end or a script error; inside
    // a modal window, until that window is no longer on show.
    void run(const std::string* modalWindow);
    void execute(const Words& words);
    void runModal(const std::string& windowName);
    Control* findControl(const std::string& name);
    // The control a line names, or nothing once the reason is reported.
    // What the user does (`byUser`) needs the control on screen; code does not.
    std::optional<ScriptControl> target(const std::string& name, bool byUser);
    void error(const std::string& what);

    // The built-in commands.
    std::string shell(const Words& words);
    std::string close(const Words& words);
    std::string click(const Words& words);
    std::string choose(const Words& words);
    std::string type(const Words& words);
    std::string set(const Words& words);
    std::string clear(const Words& words);
    std::string print(const Words& words);
    std::string items(const Words& words);
    std::string expect(const Words& words);

    ui::Application& app_;
    ScriptSystem& system_;
    std::ostream& out_;
    std::unique_ptr<ModelDriver> ownDriver_;
    ControlDriver& driver_;
    struct TableEntry {
        std::size_t words;
        Command run;
    };
    std::map<std::string, TableEntry> commands_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t lineNumber_ = 0;
    bool expectFailed_ = false;
    bool scriptError_ = false;
    bool endAnnounced_ = false;
};

}  // namespace trv::cli
