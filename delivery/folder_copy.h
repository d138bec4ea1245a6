#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace trv {

// Told before each step of a long copy: the entries counted so far and the
// path about to be copied. Returns false when the copy must stop there.
using CopyProgress = std::function<bool(int done, const std::string& current)>;

// Copies folder trees file by file, replacing files of the same name, and
// counts the entries it lists: an entry counts once it has been listed,
// whatever becomes of its copy. Links to folders are listed but never
// followed; links to files are listed and not copied (they may lead anywhere
// on the machine), and count among the failures. Names are found without
// regard to letter case, as on Windows: of two entries of one folder whose
// names differ only in case, the second is not copied and is a failure. Each
// destination folder is listed once; TRV's own temporary files are never
// copied, and the stale ones are removed from the folders written to.
class FolderCopy {
public:
    FolderCopy(Platform& platform, CopyProgress progress) : platform_(platform), progress_(std::move(progress)) {}

    // A folder: creates `destination` (counting 1 when it was made) and
    // copies the contents below it. A file: copies it to `destination`,
    // counting 1. A source that does not exist counts nothing.
    int CopyFolder(std::string source, std::string destination);
    // Both folders end with a backslash. Copies every entry of `sourceFolder`
    // into `destinationFolder`, then each subfolder's contents, one listing
    // at a time; returns the entries listed at any depth. A destination just
    // made needs no listing of what it holds.
    int CopyFolderContents(const std::string& sourceFolder, const std::string& destinationFolder,
                           bool destinationIsNew = false);

    // Copies one file replacing the target, outside any count. False when
    // the user stopped the copy before it.
    bool copySingleFile(const std::string& source, const std::string& destination);

    // Source files that exist but could not be copied, and source folders
    // that could not be listed, in the order met.
    const std::vector<std::string>& failures() const { return failures_; }
    // The user stopped the copy; nothing more is copied.
    bool cancelled() const { return cancelled_; }

private:
    // Asks the progress hook before the next entry; false once stopped.
    bool goOn(const std::string& current);
    void copyFile(const std::string& source, const std::string& destination);

    Platform& platform_;
    CopyProgress progress_;
    std::vector<std::string> failures_;
    int done_ = 0;  // entries counted by every tree so far
    bool cancelled_ = false;
};

}  // namespace trv
