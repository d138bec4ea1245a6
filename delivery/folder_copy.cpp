#include "delivery/folder_copy.h"

#include <map>
#include <set>

#include "platform/temporary_files.h"
#include "platform/text.h"

namespace trv {

namespace {

bool endsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

std::string withoutSeparator(std::string path) {
    if (endsWithSeparator(path)) path.pop_back();
    return path;
}

}  // namespace

int FolderCopy::CopyFolder(std::string source, std::string destination) {
    if (cancelled_) return 0;
    if (platform_.testFolder(source) == FolderTest::Exists) {
        if (!endsWithSeparator(source)) source += '\\';
        if (!endsWithSeparator(destination)) destination += '\\';
        // An existing destination folder is no error; it only does not count.
        const bool made = platform_.createFolder(destination);
        done_ += made ? 1 : 0;
        return (made ? 1 : 0) + CopyFolderContents(source, destination, made);
    }
    if (!platform_.fileExists(source) || !goOn(source)) return 0;
    ++done_;
    copyFile(source, destination);
    return 1;
}

int FolderCopy::CopyFolderContents(const std::string& sourceFolder, const std::string& destinationFolder,
                                   bool destinationIsNew) {
    // The listing is read whole before anything below it is visited, so only
    // one folder is ever being listed.
    const std::vector<Platform::FolderEntry> entries = platform_.listEntries(sourceFolder);
    if (entries.empty() && !platform_.canListFolder(sourceFolder)) {
        failures_.push_back(withoutSeparator(sourceFolder));
        return 0;
    }
    // The destination is listed once, and what this copy adds is noted as it
    // goes: a name is never looked up in the folder again. Names are found
    // without regard to letter case, as on Windows.
    std::map<std::string, Platform::FolderEntry> present;
    if (!destinationIsNew) {
        bool temporaries = false;
        for (Platform::FolderEntry& e : platform_.listEntries(destinationFolder)) {
            if (isTemporaryFileName(e.name)) {
                temporaries = true;
            } else {
                std::string key = toUpper(e.name);
                present.emplace(std::move(key), std::move(e));
            }
        }
        // What a killed copy left would otherwise be handed over with the rest.
        if (temporaries) platform_.removeStaleTemporaries(destinationFolder);
    }
    std::set<std::string> added;  // this copy's names in the folder, upper-cased

    struct Subfolder {
        std::string source, destination;
        bool isNew;
    };
    std::vector<Subfolder> subfolders;
    int count = 0;
    for (const Platform::FolderEntry& entry : entries) {
        // Another writer's unfinished file, or one a killed writer left: no resource.
        if (isTemporaryFileName(entry.name)) continue;
        const std::string source = sourceFolder + entry.name;
        if (!goOn(source)) break;
        ++count;
        ++done_;
        std::string key = toUpper(entry.name);
        const auto found = present.find(key);
        // A second spelling of a name already copied here would merge two
        // entries into one.
        if (!added.insert(std::move(key)).second) {
            failures_.push_back(source);
            continue;
        }
        const std::string& name = found != present.end() ? found->second.name : entry.name;
        switch (entry.kind) {
            case Platform::EntryKind::Folder: {
                const bool made = found == present.end() && platform_.createFolder(destinationFolder + name);
                subfolders.push_back({sourceFolder + entry.name + "\\", destinationFolder + name + "\\", made});
                break;
            }
            case Platform::EntryKind::FolderLink:
                break;  // listed, never followed
            case Platform::EntryKind::FileLink:
                failures_.push_back(source);  // it may lead anywhere on the machine
                break;
            case Platform::EntryKind::File:
                // A link in the delivery tree is replaced like a file, never written through.
                if ((found != present.end() && (found->second.kind == Platform::EntryKind::Folder ||
                                                found->second.kind == Platform::EntryKind::FolderLink)) ||
                    platform_.copyFileAs(source, destinationFolder + name, found != present.end()) !=
                        CopyOutcome::Copied)
                    failures_.push_back(source);
                break;
        }
    }
    for (const Subfolder& sub : subfolders) {
        if (cancelled_) break;
        count += CopyFolderContents(sub.source, sub.destination, sub.isNew);
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
