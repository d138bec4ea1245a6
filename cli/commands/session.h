#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/office_paths.h"
#include "app/settings.h"
#include "platform/native_platform.h"
#include "platform/user_interaction.h"

// What every batch command shares: its command line, and TRV started without
// a window: the real file system, trv.ini and the logon name as the windows
// take them (or as --ini and --user name them), and the messages the
// windows would show collected instead.
namespace trv::cli {

// A batch command's command line: words, "--name value" options and flags.
struct Arguments {
    std::vector<std::string> words;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool has(const std::string& option) const { return values.count(option) || flags.count(option); }
    std::optional<std::string> value(const std::string& option) const;
};

// Reads `args` (the command's name left out): every "--" word must be one
// of `valued` (followed by its value) or `flags`; --ini and --user are
// always taken. Nothing, after a message on `err`, for anything else.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
                                        const std::set<std::string>& flags, std::ostream& err);

class BatchSystem : public NativePlatform {
public:
    std::string settingsFile() override { return settingsFile_.empty() ? NativePlatform::settingsFile() : settingsFile_; }
    std::string logonName() override { return userSet_ ? user_ : NativePlatform::logonName(); }
    void setSettingsFile(std::string path) { settingsFile_ = std::move(path); }
    void setUserName(std::string user) {
        user_ = std::move(user);
        userSet_ = true;
    }

private:
    std::string settingsFile_;
    std::string user_;
    bool userSet_ = false;
};

// Nobody to answer: messages are kept for the command to print; nothing is
// opened and no window is shown.
class BatchInteraction : public UserInteraction {
public:
    std::vector<std::string> messages;
    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string&) override {}
    void runModal(const std::string&) override {}
};

struct Session {
    explicit Session(const Arguments& args);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    BatchSystem platform;
    BatchInteraction ui;
    AppSettings settings;
    OfficePaths paths{settings};

    // Loads the configuration as the windows do; the messages the window
    // would show go to `err`. False when the configuration is unusable.
    bool load(std::ostream& err);
};

// Writes each message on its own line, as the window shows it.
void printMessages(const std::vector<std::string>& messages, std::ostream& err);

// Whether standard error is a terminal (a person watching, not a log).
bool standardErrorIsTerminal();

}  // namespace trv::cli
