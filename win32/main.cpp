// trv: the Windows front end. It reads trv.ini beside the executable, runs
// the main window's start-up sequence and shows the windows with the plain
// Win32 controls.
//
//   trv.exe                                   the program
//   trv.exe --version
//   trv.exe play SCRIPT [--ini PATH] [--user NAME] [--screenshots DIR]
//
// `play` plays a trv-cli script through the native controls (see
// NativeDriver) and prints the same transcript. With --screenshots, the
// script's `snap NAME WINDOW` lines check the window against its
// description (self_check.h), write DIR\NAME.controls.txt and DIR\NAME.ready
// (the window's place on the screen), and wait for DIR\NAME.done: the test
// script takes the screenshot meanwhile.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/version.h"
#include "cli/command_line.h"
#include "cli/options.h"
#include "cli/player.h"
#include "platform/native_platform.h"
#include "ui/application.h"
#include "win32/interaction.h"
#include "win32/native_driver.h"
#include "win32/renderer.h"
#include "win32/self_check.h"

namespace {

// A program made for the desktop has no console of its own: what it prints
// goes to the file or pipe its output was sent to, or else to the console it
// was started from.
void connectOutput() {
    const DWORD type = ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE));
    if (type != FILE_TYPE_UNKNOWN) return;
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* ignored = nullptr;
        ignored = std::freopen("CONOUT$", "w", stdout);
        ignored = std::freopen("CONOUT$", "w", stderr);
        (void)ignored;
        ::SetConsoleOutputCP(CP_UTF8);
    }
}

std::filesystem::path utf8Path(const std::string& path) { return std::filesystem::path(std::u8string(path.begin(), path.end())); }

// Lets the windows paint for a while: a message loop, which is when the
// system puts what was painted on the screen.
void pumpMessages(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, nullptr);
    MSG msg{};
    while (::GetTickCount() - start < milliseconds && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::KillTimer(nullptr, timer);
}

// `snap NAME WINDOW`: the window checked, its place handed to the test
// script, and a wait (with the window live) until the screenshot is taken.
class Snapshots {
public:
    Snapshots(trv::win32::Renderer& renderer, trv::ui::Application& app, std::filesystem::path folder)
        : renderer_(renderer), app_(app), folder_(std::move(folder)) {}

    bool failed() const { return failed_; }

    std::string snap(const std::string& name, const std::string& windowName) {
        renderer_.refresh();
        HWND window = renderer_.window(windowName);
        if (!window || !::IsWindowVisible(window)) return windowName + " is not on show";
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pumpMessages(500);
        {
            std::ofstream table(folder_ / utf8Path(name + ".controls.txt"), std::ios::binary);
            for (const auto& problem : trv::win32::checkWindow(renderer_, app_, windowName, table)) {
                std::cout << "CHECK " << name << ": " << problem << '\n';
                failed_ = true;
            }
        }
        RECT place{};
        ::GetWindowRect(window, &place);
        const auto done = folder_ / utf8Path(name + ".done");
        std::filesystem::remove(done);
        // The script watching the folder sees the place whole or not at all.
        const auto ready = folder_ / utf8Path(name + ".ready");
        auto partial = ready;
        partial += ".part";
        {
            std::ofstream out(partial, std::ios::binary);
            out << place.left << ' ' << place.top << ' ' << place.right - place.left << ' '
                << place.bottom - place.top << '\n';
        }
        std::filesystem::rename(partial, ready);
        for (int waited = 0; !std::filesystem::exists(done); waited += 50) {
            if (waited > 60000) return "no screenshot of " + name + " was taken";
            pumpMessages(50);
        }
        return {};
    }

private:
    trv::win32::Renderer& renderer_;
    trv::ui::Application& app_;
    std::filesystem::path folder_;
    bool failed_ = false;
};

int play(const trv::cli::PlayCommand& command) {
    trv::cli::ScriptSystem platform(std::cout);
    trv::cli::ScriptInteraction interaction(platform, std::cout);
    if (command.ini) platform.setSettingsFile(*command.ini);
    if (command.user) platform.setUserName(*command.user);
    const auto lines = trv::cli::readScript(command.script);
    if (!lines) {
        std::cerr << "trv: cannot read " << command.script << '\n';
        return 2;
    }
    trv::ui::Application app(platform, interaction);
    trv::win32::Renderer renderer(app);
    trv::win32::NativeDriver driver(renderer);
    trv::cli::Player player(app, platform, interaction, std::cout, &driver);
    std::unique_ptr<Snapshots> snapshots;
    if (command.screenshots) {
        snapshots = std::make_unique<Snapshots>(renderer, app, utf8Path(*command.screenshots));
        player.addCommand("snap", 2, [&snapshots](const std::vector<std::string>& words) {
            return snapshots->snap(words[1], words[2]);
        });
    }
    int status = player.play(*lines);
    if (status == 0 && snapshots && snapshots->failed()) status = 1;
    std::cout.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    connectOutput();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    const std::vector<std::string> args = trv::cli::utf8Arguments(argc, argv);
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "TRV " << trv::versionLabel << std::endl;
        return 0;
    }
    if (!args.empty()) {
        const auto call = trv::cli::parseArguments(args, true);
        if (call.action != trv::cli::Invocation::Action::Play) {
            std::cerr << "usage: trv [--version | play SCRIPT [--ini PATH] [--user NAME] [--screenshots DIR]]\n";
            return 2;
        }
        return play(call.play);
    }

    trv::NativePlatform platform;
    trv::win32::Win32Interaction interaction;
    trv::ui::Application app(platform, interaction);
    trv::win32::Renderer renderer(app);
    interaction.setRenderer(&renderer);
    app.start();
    if (app.program().ended) return 0;
    renderer.refresh();
    return renderer.run();
}
