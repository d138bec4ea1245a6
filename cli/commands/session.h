#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/office_paths.h"
#include "app/settings.h"
#include "cli/options.h"
#include "platform/native_platform.h"
#include "platform/user_interaction.h"

// What every batch command shares: TRV started without a window: the real
// file system, trv.ini and the logon name as the windows take them (or as
// --ini and --user name them), and the messages the windows would show
// collected instead.
namespace trv::cli {

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

    NativePlatform platform;
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
