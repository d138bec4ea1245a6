#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace trv {

// A run-time failure inside a handler: a file that cannot be read or
// written, a program that cannot be started. Each handler decides whether it
// ignores the failing step, stops silently, or shows its catch-all message.
class RuntimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Outcome of the folder test "make it the current directory".
enum class FolderTest { Exists, NotFound, OtherFailure };

enum class CopyOutcome { Copied, TargetExists, Failed };

// Results of opening a document through the shell: above this it was handed
// to its program; 31 means no program is associated with the file type; any
// other number up to 32 is a failure.
constexpr int shellHandedOver = 33;
constexpr int shellNoAssociation = 31;
constexpr int shellFileNotFound = 2;

// Everything the program asks of the operating system: files, folders,
// processes, the shell and the user's identity. What a person sees and answers
// (message boxes, modal windows, the chooser of programs) is the other port,
// UserInteraction. Paths are given as the program builds them: folders
// separated by '\' (or '/'), UTF-8. The implementation converts them at this
// boundary.
class Platform {
public:
    virtual ~Platform() = default;

    // ---- files and folders ----

    // The presence test: true only when a file is found at `path` whose
    // stored name equals the last component of `path` exactly, letter case
    // included. Never fails: anything that prevents finding the file counts
    // as absent.
    virtual bool isPresent(const std::string& path) = 0;
    // Whether a file (not a folder) exists, its name compared as the file
    // system compares names (without regard to letter case).
    virtual bool fileExists(const std::string& path) = 0;
    // The folder test: could `path` be made the current directory?
    virtual FolderTest testFolder(const std::string& path) = 0;
    // Creates one folder level; false when it cannot.
    virtual bool createFolder(const std::string& path) = 0;
    // Names of the files directly in `folder`, in the order a Windows file
    // system lists them (by upper-case name), without TRV's own temporary
    // files (platform/temporary_files.h). Empty when the folder is missing.
    virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
    // Names of the files in `folder` that begin with `prefix` without regard
    // to letter case (the pattern prefix*.*), in listing order.
    virtual std::vector<std::string> listFilesStartingWith(const std::string& folder,
                                                           const std::string& prefix) = 0;
    // The whole content of a file; throws RuntimeFailure when it cannot be read.
    virtual std::string readFile(const std::string& path) = 0;
    // The content of a file that passes the presence test (isPresent), read
    // at once; none when it does not; throws RuntimeFailure when it is there
    // but cannot be read. Where a file's open finds it as spelled, one call.
    virtual std::optional<std::string> readPresentFile(const std::string& path) {
        if (!isPresent(path)) return std::nullopt;
        return readFile(path);
    }
    // Replaces a file as a whole, through a temporary file in the same folder
    // renamed over the old one; throws RuntimeFailure on failure. Like every
    // writer that goes through a temporary file, it first removes from that
    // folder the temporary files of TRV's naming that a killed process left
    // over a minute ago.
    virtual void replaceFile(const std::string& path, const std::string& content) = 0;
    // Creates `path` with `content` only when no file of that name exists
    // (found without regard to letter case); returns false when one does;
    // throws RuntimeFailure on other failures. The file appears whole or not
    // at all, even when the process is killed: it is written under a
    // temporary name beside it, flushed, then named by the step of
    // copyToNewFile that refuses a taken name.
    virtual bool createNewFile(const std::string& path, const std::string& content) = 0;
    // Copies `from` to a new file `to`, never replacing an existing one
    // (TargetExists when an entry of that name is there). The file appears
    // under its name whole or not at all, even when the process is killed:
    // it is copied to a temporary file beside it, flushed, then named by a
    // step that refuses a taken name, so that of two racing copies exactly
    // one wins. Nothing is left behind when the copy fails.
    virtual CopyOutcome copyToNewFile(const std::string& from, const std::string& to) = 0;

    // ---- environment ----

    // The logon name of the user running the program.
    virtual std::string logonName() = 0;
    // The local date and time to the minute, as "YYYY-MM-DD HH:MM".
    virtual std::string localTime() = 0;
    // The folder the program was started from.
    virtual std::string programFolder() = 0;
    // The configuration file: "trv.ini" in the program's folder.
    virtual std::string settingsFile() { return programFolder() + "\\trv.ini"; }
    // A path as the user should see it in a message.
    virtual std::string displayPath(const std::string& path) = 0;

    // ---- shell ----

    // Opens a document with the program associated with its type and
    // returns the shell's number (see shellHandedOver, shellNoAssociation).
    virtual int openDocument(const std::string& path) = 0;
    // Starts `program` with `argument` in a normal, focused window, without
    // waiting for it; throws RuntimeFailure when it cannot be started.
    virtual void startProgram(const std::string& program, const std::string& argument) = 0;

    // ---- registering projects: appending and replacing copies ----

    // Appends `text` to the end of a file in one write, creating the file
    // when it is missing (an existing one is found without regard to letter
    // case); throws RuntimeFailure when it cannot. All or nothing: a write
    // that fails part-way (a full drive) is cut off again, so the file is as
    // it was. A file whose last line lacks its end gets CR LF before `text`,
    // so that a new record never continues a torn one.
    virtual void appendToFile(const std::string& path, const std::string& text) = 0;
    // Copies `from` over `to`, replacing a file of that name (kept under its
    // stored spelling) at once: the copy is made beside it and renamed over
    // it, so that nobody ever finds half a file. Throws RuntimeFailure when
    // it cannot; `to` is then as it was.
    virtual void replaceWithCopy(const std::string& from, const std::string& to) = 0;
    // ---- walking and copying folder trees (the resource delivery) ----

    // What an entry of a folder is. A symbolic link to a folder (or a
    // junction) is told apart from a folder, so that a walk through a tree
    // never follows one: a link to a folder above it would never end. A
    // symbolic link to anything else (a file, or nothing) is a FileLink: it
    // may lead anywhere on the machine.
    enum class EntryKind { File, Folder, FolderLink, FileLink };
    struct FolderEntry {
        std::string name;
        EntryKind kind;
    };
    // Every entry of `folder` but "." and "..", hidden ones included, in the
    // order a Windows file system lists them (by upper-case name). Anything
    // that is neither a folder nor a link to one counts as a file. Empty
    // when the folder cannot be listed.
    virtual std::vector<FolderEntry> listEntries(const std::string& folder) = 0;
    // Copies the file `from` to `to`, replacing a file of that name. The
    // copy goes to a temporary file beside `to` first, so a failure never
    // leaves `to` half-written; the copy is never read-only. False when the
    // file cannot be copied (no such file, not readable, not a plain file,
    // the target cannot be written or is a folder).
    virtual bool copyFileReplacing(const std::string& from, const std::string& to) = 0;
    // The copy of a tree walk, which has listed the folder of `to` itself:
    // `from` and `to` are spelled as stored (the last name of `to` as it is
    // to be created), so that no name is looked up in a folder again. With
    // `replace` an existing file of that name is replaced as by
    // copyFileReplacing; without, the name must still be free (a file that
    // appeared meanwhile is left, TargetExists), as in copyToNewFile.
    virtual CopyOutcome copyFileAs(const std::string& from, const std::string& to, bool replace) = 0;
    // Removes from `folder` TRV's own temporary files that a killed writer
    // left over a minute ago (writers do so in every folder they write to).
    virtual void removeStaleTemporaries(const std::string& folder) = 0;
    // The path with every link followed and every name as stored, for
    // telling whether one folder lies inside another; the names below the
    // deepest existing folder are kept as given. Native form, '/' or '\'.
    virtual std::string resolvedPath(const std::string& path) = 0;
    // ---- removing files ----

    // Deletes a file (not a folder); throws RuntimeFailure when it cannot,
    // also when there is no such file.
    virtual void removeFile(const std::string& path) = 0;
    // ---- checking the configuration ----

    // Whether the entries of `folder` can be listed; false for a missing folder.
    virtual bool canListFolder(const std::string& folder) = 0;
    // Whether a new file can be written in `folder`: a probe file of a name
    // nobody else uses is created there, a few bytes are written to the
    // disk (an empty file needs no room, and a full drive would pass), and
    // it is removed at once.
    virtual bool canCreateFileIn(const std::string& folder) = 0;

    // ---- text files in the ANSI code page ----

    // Text in the ANSI code page as UTF-8: the code page the system is set
    // to on Windows (GetACP), Windows-1252 elsewhere.
    virtual std::string ansiToUtf8(std::string_view bytes) = 0;
    // The text of a file as UTF-8. TRV writes UTF-8, but offices keep the
    // records, lists and settings their earlier tool wrote in the ANSI code
    // page: Unicode text (see unicodeTextOf) is taken as it is, anything else
    // in that code page. Throws RuntimeFailure when the file cannot be read.
    std::string readTextFile(const std::string& path) { return textOf(readFile(path)); }
    // readPresentFile, as readTextFile gives the text.
    std::optional<std::string> readPresentTextFile(const std::string& path) {
        auto bytes = readPresentFile(path);
        if (!bytes) return std::nullopt;
        return textOf(*bytes);
    }

private:
    std::string textOf(const std::string& bytes) {
        if (auto text = unicodeTextOf(bytes)) return std::move(*text);
        return ansiToUtf8(bytes);
    }
};

}  // namespace trv
