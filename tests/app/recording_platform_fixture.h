#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/native_platform.h"

namespace trv::testing {

// The real file system, with the parts a person or the desktop supplies
// replaced: message boxes and the chooser are recorded, the logon name and
// the configuration file are set by the test.
class RecordingPlatform : public NativePlatform {
public:
    std::vector<std::string> messages;
    std::vector<std::string> chooserCalls;
    std::vector<std::string> modalWindows;
    bool chooserFails = false;
    std::string user = "tester";
    std::string iniPath;
    std::string folder = "/nonexistent-program-folder";

    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string& path) override {
        chooserCalls.push_back(path);
        if (chooserFails) throw RuntimeFailure("the chooser cannot be shown");
    }
    void runModal(const std::string& windowName) override { modalWindows.push_back(windowName); }
    std::string logonName() override { return user; }
    std::string settingsFile() override { return iniPath.empty() ? NativePlatform::settingsFile() : iniPath; }
    std::string programFolder() override { return folder; }
};

}  // namespace trv::testing
