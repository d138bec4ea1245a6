#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace trv::testing {

// A platform that counts every file-system call it passes on to `Base` (the
// real one, or the script player's), by kind: on a file server each is a
// round trip, and an action's count is what its user waits for.
template <typename Base>
class Counting : public Base {
public:
    using Base::Base;
    std::map<std::string, int> calls;

    int total() const {
        int n = 0;
        for (const auto& [kind, count] : calls) n += count;
        return n;
    }

    bool isPresent(const std::string& p) override { return count("isPresent"), Base::isPresent(p); }
    bool fileExists(const std::string& p) override { return count("fileExists"), Base::fileExists(p); }
    FolderTest testFolder(const std::string& p) override { return count("testFolder"), Base::testFolder(p); }
    bool createFolder(const std::string& p) override { return count("createFolder"), Base::createFolder(p); }
    std::vector<std::string> listFiles(const std::string& f) override { return count("list"), Base::listFiles(f); }
    std::vector<std::string> listFilesStartingWith(const std::string& f, const std::string& prefix) override {
        return count("list"), Base::listFilesStartingWith(f, prefix);
    }
    std::string readFile(const std::string& p) override { return count("read"), Base::readFile(p); }
    // One call, unless the platform makes it of others counted here (the
    // presence test and the read, on Windows).
    std::optional<std::string> readPresentFile(const std::string& p) override {
        const int before = total();
        std::optional<std::string> content;
        try {
            content = Base::readPresentFile(p);
        } catch (...) {
            if (total() == before) count("read");
            throw;
        }
        if (total() == before) count("read");
        return content;
    }
    void replaceFile(const std::string& p, const std::string& c) override { count("write"), Base::replaceFile(p, c); }
    bool createNewFile(const std::string& p, const std::string& c) override {
        return count("write"), Base::createNewFile(p, c);
    }
    CopyOutcome copyToNewFile(const std::string& f, const std::string& t) override {
        return count("copy"), Base::copyToNewFile(f, t);
    }
    void appendToFile(const std::string& p, const std::string& t) override { count("write"), Base::appendToFile(p, t); }
    void replaceWithCopy(const std::string& f, const std::string& t) override {
        count("copy"), Base::replaceWithCopy(f, t);
    }
    std::vector<Platform::FolderEntry> listEntries(const std::string& f) override {
        return count("list"), Base::listEntries(f);
    }
    bool copyFileReplacing(const std::string& f, const std::string& t) override {
        return count("copy"), Base::copyFileReplacing(f, t);
    }
    CopyOutcome copyFileAs(const std::string& f, const std::string& t, bool replace) override {
        return count("copy"), Base::copyFileAs(f, t, replace);
    }
    void removeStaleTemporaries(const std::string& f) override { count("list"), Base::removeStaleTemporaries(f); }
    std::string resolvedPath(const std::string& p) override { return count("resolve"), Base::resolvedPath(p); }
    void removeFile(const std::string& p) override { count("remove"), Base::removeFile(p); }
    bool canListFolder(const std::string& f) override { return count("list"), Base::canListFolder(f); }
    bool canCreateFileIn(const std::string& f) override { return count("write"), Base::canCreateFileIn(f); }

private:
    void count(const char* kind) { ++calls[kind]; }
};

}  // namespace trv::testing
