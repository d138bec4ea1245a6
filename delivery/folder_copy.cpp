#include "delivery/folder_copy.h"

namespace trv {

namespace {

bool endsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

}  // namespace

int FolderCopy::CopyFolder(std::string source, std::string destination) {
    if (cancelled_) return 0;
    if (platform_.testFolder(source) == FolderTest::Exists) {
        if (!endsWithSeparator(source)) source += '\\';
        if (!endsWithSeparator(destination)) destination += '\\';
        // An existing destination folder is no error; it only does not count.
        const int made = platform_.createFolder(destination) ? 1 : 0;
        done_ += made;
        return made + CopyFolderContents(source, destination);
    }
    if (!platform_.fileExists(source) || !goOn(source)) return 0;
    ++done_;
    copyFile(source, destination);
    return 1;
}

int FolderCopy::CopyFolderContents(const std::string& sourceFolder, const std::string& destinationFolder) {
    int count = 0;
    std::vector<std::string> subfolders;
    // The listing is read whole before anything below it is visited, so only
    // one folder is ever being listed.
    for (const Platform::FolderEntry& entry : platform_.listEntries(sourceFolder)) {
        const std::string source = sourceFolder + entry.name;
        const std::string destination = destinationFolder + entry.name;
        const bool folder = entry.kind == Platform::EntryKind::Folder;
        // The delivery tree inside a source: the copy's own output, not a resource.
        if (folder && !passOver_.empty() && platform_.identity(source) == passOver_) continue;
        if (!goOn(source)) break;
        ++count;
        ++done_;
        switch (entry.kind) {
            case Platform::EntryKind::Folder:
                platform_.createFolder(destination);
                subfolders.push_back(entry.name);
                break;
            case Platform::EntryKind::FolderLink:
                break;  // listed, never followed
            case Platform::EntryKind::File:
                copyFile(source, destination);
                break;
        }
    }
    for (const std::string& name : subfolders) {
        if (cancelled_) break;
        count += CopyFolderContents(sourceFolder + name + "\\", destinationFolder + name + "\\");
    }
    return count;
}

bool FolderCopy::copySingleFile(const std::string& source, const std::string& destination) {
    if (!goOn(source)) return false;
    copyFile(source, destination);
    return true;
}

bool FolderCopy::goOn(const std::string& current) {
    if (!cancelled_ && progress_ && !progress_(done_, current)) cancelled_ = true;
    return !cancelled_;
}

void FolderCopy::copyFile(const std::string& source, const std::string& destination) {
    if (!platform_.copyFileReplacing(source, destination)) failures_.push_back(source);
}

}  // namespace trv
