#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace trv {

// The operating system's side of Platform: files, folders, the user, the
// shell (POSIX or Windows, whichever the program is built for). Message boxes,
// the chooser of programs and modal windows are the other port,
// UserInteraction, which each front end supplies beside it.
class NativePlatform : public Platform {
public:
    // The configuration file and the logon name named instead of found (a
    // command line's --ini and --user, a test's office). An empty file name
    // leaves trv.ini beside the program.
    void setSettingsFile(std::string path) { settingsFile_ = std::move(path); }
    void setUserName(std::string name) { user_ = std::move(name); }
    std::string settingsFile() override {
        return settingsFile_.empty() ? Platform::settingsFile() : settingsFile_;
    }
    std::string logonName() override { return user_ ? *user_ : systemLogonName(); }

    bool isPresent(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    FolderTest testFolder(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFilesStartingWith(const std::string& folder,
                                                   const std::string& prefix) override;
    std::string readFile(const std::string& path) override;
#ifndef _WIN32
    std::optional<std::string> readPresentFile(const std::string& path) override;
#endif
    void replaceFile(const std::string& path, const std::string& content) override;
    bool createNewFile(const std::string& path, const std::string& content) override;
    CopyOutcome copyToNewFile(const std::string& from, const std::string& to) override;
    std::string localTime() override;
    std::string programFolder() override;
    std::string displayPath(const std::string& path) override;
    int openDocument(const std::string& path) override;
    void startProgram(const std::string& program, const std::string& argument) override;
    void appendToFile(const std::string& path, const std::string& text) override;
    void replaceWithCopy(const std::string& from, const std::string& to) override;
    std::vector<FolderEntry> listEntries(const std::string& folder) override;
    bool copyFileReplacing(const std::string& from, const std::string& to) override;
    CopyOutcome copyFileAs(const std::string& from, const std::string& to, bool replace) override;
    void removeStaleTemporaries(const std::string& folder) override;
    std::string resolvedPath(const std::string& path) override;
    void removeFile(const std::string& path) override;
    bool canListFolder(const std::string& folder) override;
    bool canCreateFileIn(const std::string& folder) override;
    std::string ansiToUtf8(std::string_view bytes) override;

    // The path in the form the operating system takes, with the folders that
    // exist under another letter case found as they are stored.
    std::string nativePath(const std::string& path);

private:
    // The logon name of the user running the program, as the system knows it.
    std::string systemLogonName();

    std::string settingsFile_;
    std::optional<std::string> user_;
};

}  // namespace trv
