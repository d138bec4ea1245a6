// The installed applications of a Linux desktop, read from .desktop files in
// temporary folders, and the command lines that open a file with them.
#include "platform/desktop_entries.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace trv {
namespace {

using Args = std::vector<std::string>;

// An application as "name|exec|icon|types;", or "-" when the file gives none.
std::string summary(const std::optional<DesktopApplication>& app) {
    if (!app) return "-";
    std::string types;
    for (const auto& t : app->mimeTypes) types += t + ";";
    return app->name + "|" + app->exec + "|" + app->icon + "|" + types;
}

TEST(ReadDesktopFile, TakesTheDesktopEntryOfInstalledApplicationsOnly) {
    const std::string head = "[Desktop Entry]\nType=Application\n";
    struct Case {
        std::string content, expected;
    };
    const Case cases[] = {
        {head + "Name=A\\sB\\t\\\\C\\q\nExec=a %f\nIcon=a\nMimeType=text/plain;;image/png\n",
         "A B\t\\C\\q|a %f|a|text/plain;image/png;"},
        {"\xEF\xBB\xBF# note\r\n[Desktop Entry]\r\n  Type = Application \r\nName=\xC2\xA0"
         "A \r\nExec=a\r\n",
         "A|a||"},
        {"[Other]\nType=Application\nName=X\nExec=x\n" + head +
             "Name=A\nExec=a\n[Desktop Action new]\nName=B\n",
         "A|a||"},
        {head + "Name=A\nExec=a\nHidden=true\n", "-"},
        {head + "Name=A\nExec=a\nHidden=false\n", "A|a||"},
        {head + "Name=A\nExec=a\nTryExec=/nonexistent/a\n", "-"},
        {head + "Name=A\nExec=a\nTryExec=trv-no-such-program\n", "-"},
        {head + "Name=A\nExec=a\nTryExec=sh\n", "A|a||"},
        {head + "Name=A\nExec=a\nTryExec=/bin/sh\n", "A|a||"},
        {"[Desktop Entry]\nType=Link\nName=A\nExec=a\n", "-"},
        {head + "Exec=a\n", "-"},
        {head + "Name=A\n", "-"},
    };
    testing::TempFolder dir;
    for (const Case& c : cases) {
        dir.write("a.desktop", c.content);
        EXPECT_EQ(summary(readDesktopFile(dir / "a.desktop", "a.desktop")), c.expected) << c.content;
    }
    EXPECT_EQ(summary(readDesktopFile(dir / "missing.desktop", "missing.desktop")), "-");
}

TEST(ApplicationsFor, EarlierFoldersHideLaterOnesAndTheListIsSortedByName) {
    testing::TempFolder home, system;
    auto entry = [](const std::string& name, const std::string& types, const std::string& more = "") {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=x\nMimeType=" + types + "\n" +
               more;
    };
    home.write("editor.desktop", entry("Home Editor", "text/plain;"));
    system.write("editor.desktop", entry("System Editor", "text/plain;"));
    system.write("kde/viewer.desktop", entry("Viewer", "image/png;text/plain;"));
    home.write("gone.desktop", entry("Gone", "text/plain;", "Hidden=true\n"));
    system.write("gone.desktop", entry("Gone Too", "text/plain;"));
    system.write(".secret.desktop", entry("Secret", "text/plain;"));
    system.write("notes.txt", entry("Notes", "text/plain;"));
    system.write("sheet.desktop", entry("sheet", "text/x-csv;"));
    system.write("atlas.desktop", entry("atlas", "image/png;"));
    struct Case {
        Args types, found;
    };
    const Case cases[] = {
        {{"text/plain"}, {"Home Editor editor.desktop", "Viewer kde-viewer.desktop"}},
        {{"text/csv", "text/x-csv"}, {"sheet sheet.desktop"}},
        {{"image/png"}, {"atlas atlas.desktop", "Viewer kde-viewer.desktop"}},
        {{"application/pdf"}, {}},
    };
    for (const Case& c : cases) {
        Args found;
        for (const auto& app : applicationsFor(c.types, {home.str(), system.str()}))
            found.push_back(app.name + " " + app.id);
        EXPECT_EQ(found, c.found) << c.types.front();
    }
}

TEST(ApplicationFolders, TheUsersFolderFirstThenTheSystemOnes) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    } saved[] = {{"HOME", {}}, {"XDG_DATA_HOME", {}}, {"XDG_DATA_DIRS", {}}};
    for (auto& s : saved)
        if (const char* v = std::getenv(s.name)) s.value = v;
    ::setenv("HOME", "/home/u/", 1);
    ::setenv("XDG_DATA_HOME", "", 1);
    ::setenv("XDG_DATA_DIRS", "/a::/b", 1);
    EXPECT_EQ(applicationFolders(),
              (Args{"/home/u/.local/share/applications", "/a/applications", "/b/applications"}));
    ::setenv("XDG_DATA_HOME", "/data", 1);
    ::unsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(applicationFolders(),
              (Args{"/data/applications", "/usr/local/share/applications", "/usr/share/applications"}));
    for (auto& s : saved) s.value ? ::setenv(s.name, s.value->c_str(), 1) : ::unsetenv(s.name);
}

TEST(SplitExec, FollowsTheQuotingOfExec) {
    const std::pair<std::string, std::optional<Args>> cases[] = {
        {"editor --new-window \"%f\" -x", Args{"editor", "--new-window", "%f", "-x"}},
        {"\"/opt/My App/run\" \"say \\\"hi\\\"\" a\\ b", Args{"/opt/My App/run", "say \"hi\"", "a b"}},
        {"a\t\"\"  b ", Args{"a", "", "b"}},
        {"broken \"quote", std::nullopt},
        {" \t", std::nullopt},
    };
    for (const auto& [exec, args] : cases) EXPECT_EQ(splitExec(exec), args) << exec;
}

TEST(CommandFor, PutsThePathForTheFileCodesOrAtTheEnd) {
    DesktopApplication app{"viewer.desktop", "/apps/viewer.desktop", "Viewer", "", "eye", {}};
    const std::string path = "/tmp/a drawing.dwg";
    const std::pair<std::string, std::optional<Args>> cases[] = {
        {"viewer %U", Args{"viewer", path}},
        {"viewer --file=%f --title %c %k", Args{"viewer", "--file=" + path, "--title", "Viewer", app.file}},
        {"viewer %i %d 100%% x%\xC3\xA9", Args{"viewer", "--icon", "eye", "100%", "x", path}},
        {"viewer", Args{"viewer", path}},
        {"%d %m", std::nullopt},
        {"\"viewer", std::nullopt},
    };
    for (const auto& [exec, command] : cases) {
        app.exec = exec;
        EXPECT_EQ(commandFor(app, path), command) << exec;
    }
}

}  // namespace
}  // namespace trv
