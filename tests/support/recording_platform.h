#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/native_platform.h"
#include "platform/user_interaction.h"

namespace trv::testing {

// The real file system, with the logon name ("tester" unless set), the
// clock, the configuration file and the program's folder set by the test.
class TestSystem : public NativePlatform {
public:
    TestSystem() { setUserName("tester"); }

    std::string folder = "/nonexistent-program-folder";
    std::string time = "2026-03-14 09:30";

    std::string localTime() override { return time; }
    std::string programFolder() override { return folder; }
};

// A person who reads every message and never answers: message boxes, chooser
// calls and modal windows are recorded.
class RecordingInteraction : public UserInteraction {
public:
    std::vector<std::string> messages;
    std::vector<std::string> chooserCalls;
    std::vector<std::string> modalWindows;
    bool chooserFails = false;

    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string& path) override {
        chooserCalls.push_back(path);
        if (chooserFails) throw RuntimeFailure("the chooser cannot be shown");
    }
    void runModal(const std::string& windowName) override { modalWindows.push_back(windowName); }
};

// Both ports in one object, for tests that hand a program both.
class RecordingPlatform : public TestSystem, public RecordingInteraction {};

}  // namespace trv::testing
