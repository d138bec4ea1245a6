#include "platform/folders.h"

#include <set>

namespace trv {

void ensureFolder(Platform& platform, const std::string& path) {
    try {
        if (platform.testFolder(path) == FolderTest::NotFound) platform.createFolder(path);
    } catch (const std::exception&) {
    }
}

namespace {

// The folder above `path` as composed: up to its last separator.
std::string composedParent(const std::string& path) {
    const auto end = path.find_last_not_of("\\/");
    if (end == std::string::npos) return {};
    const auto sep = path.find_last_of("\\/", end);
    return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

bool isThere(Platform& platform, const std::string& folder) {
    try {
        return platform.testFolder(folder) == FolderTest::Exists;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void ensureFolders(Platform& platform, const std::vector<std::string>& folders) {
    std::set<std::string> parents, there, made;
    for (const auto& folder : folders) parents.insert(composedParent(folder));
    bool allThere = true;
    for (const auto& folder : folders) {
        if (parents.count(folder) != 0) continue;  // not among the deepest
        if (!isThere(platform, folder)) {
            allThere = false;
            break;
        }
        for (std::string up = folder; !up.empty(); up = composedParent(up)) there.insert(up);
    }
    if (allThere) return;
    for (const auto& folder : folders) {
        if (there.count(folder) != 0) continue;
        try {
            if (made.count(composedParent(folder)) != 0 || platform.testFolder(folder) == FolderTest::NotFound) {
                if (platform.createFolder(folder)) made.insert(folder);
            }
        } catch (const std::exception&) {
        }
    }
}

}  // namespace trv
