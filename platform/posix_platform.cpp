// The POSIX side of the platform. It reproduces the Windows file-system
// behaviour the program relies on: '\' separates folders, existing names are
// found without regard to letter case, listings come sorted by upper-case name.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <random>

#include "platform/native_platform.h"
#include "platform/temporary_files.h"
#include "platform/text.h"

extern char** environ;

namespace trv {
namespace {

std::vector<std::string> splitComponents(const std::string& path, bool& absolute) {
    std::vector<std::string> parts;
    absolute = !path.empty() && (path[0] == '\\' || path[0] == '/');
    std::string cur;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// The path with '/' between its components and nothing else: what the
// components of splitComponents give when joined again.
std::string joinedComponents(const std::string& path) {
    std::string joined;
    joined.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c != '\\' && c != '/') {
            joined += c;
        } else if (joined.empty() ? i == 0 : joined.back() != '/') {
            joined += '/';  // a leading one makes the path absolute; doubled ones are one
        }
    }
    if (joined.size() > 1 && joined.back() == '/') joined.pop_back();
    return joined;
}

struct Entry {
    std::string name;
    bool file;  // a regular file, or a link to one
};

// Puts a folder's entries into the order a Windows file system lists them:
// by upper-case name, names that differ only in case by their bytes. The
// keys are computed once per name into one buffer, and the sort moves small
// records: a project's folder holds thousands of names that share their
// first twenty characters.
template <typename Item>
class ListingOrder {
public:
    // The key of the next entry: kept with `keep`, dropped by the next call.
    std::string_view keyOf(std::string_view name) {
        keys_.resize(end_);
        appendUpper(keys_, name);
        return std::string_view(keys_).substr(end_);
    }
    // Adds an entry that no prefix filters out.
    void add(Item item) {
        keyOf(item.name);
        keep(std::move(item));
    }
    void keep(Item item) {
        order_.push_back({end_, keys_.size() - end_, items_.size()});
        end_ = keys_.size();
        items_.push_back(std::move(item));
    }
    std::vector<Item> sorted() {
        const std::string_view keys(keys_);
        std::sort(order_.begin(), order_.end(), [&](const Keyed& a, const Keyed& b) {
            const int byKey = keys.substr(a.offset, a.size).compare(keys.substr(b.offset, b.size));
            return byKey != 0 ? byKey < 0 : items_[a.item].name < items_[b.item].name;
        });
        std::vector<Item> items;
        items.reserve(order_.size());
        for (const Keyed& k : order_) items.push_back(std::move(items_[k.item]));
        return items;
    }

private:
    struct Keyed {
        std::size_t offset, size, item;
    };
    std::string keys_;
    std::size_t end_ = 0;
    std::vector<Item> items_;
    std::vector<Keyed> order_;
};

// The entries of a folder whose upper-case names start with that of `prefix`, in listing order.
// `missing` tells a folder that is not there as spelled.
std::vector<Entry> folderEntries(const std::string& dir, const std::string& prefix = {}, bool* missing = nullptr) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (missing) *missing = !d && (errno == ENOENT || errno == ENOTDIR);
    if (!d) return {};
    const std::string upperPrefix = toUpper(prefix);
    ListingOrder<Entry> listing;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view n = e->d_name;
        if (n == "." || n == ".." || !listing.keyOf(n).starts_with(upperPrefix)) continue;
        bool file = e->d_type == DT_REG;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st{};
            file = ::stat((dir.empty() ? std::string(n) : dir + "/" + std::string(n)).c_str(), &st) == 0 &&
                   S_ISREG(st.st_mode);
        }
        listing.keep(Entry{std::string(n), file});
    }
    ::closedir(d);
    return listing.sorted();
}

// The name under which `name` is stored in `dir` in another letter case
// (the first in listing order when there are several); empty when there is
// none. One pass over the folder, nothing kept: a copy into a folder looks up
// every new file's name this way.
std::string storedSpelling(const std::string& dir, const std::string& name) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string found;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view n = e->d_name;
        if (n == "." || n == "..") continue;
        if (equalsNoCase(n, name) && (found.empty() || n < found)) found = n;
    }
    ::closedir(d);
    return found;
}

bool statPath(const std::string& p, struct stat& st) { return ::stat(p.c_str(), &st) == 0; }

bool isRegularFile(const std::string& p) {
    struct stat st{};
    return statPath(p, st) && S_ISREG(st.st_mode);
}

std::string join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string parentOf(const std::string& p) {
    const auto slash = p.find_last_of('/');
    if (slash == std::string::npos) return {};
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

std::string lastComponent(const std::string& path) {
    bool absolute = false;
    const auto parts = splitComponents(path, absolute);
    return parts.empty() ? std::string() : parts.back();
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Permissions a new file gets: everybody's read and write, less the umask
// (read once: the program never changes it, and a copy of many files would
// ask twice for each).
mode_t newFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }();
    return mode;
}

// The rest of `in` to `out`; false on a read or write error. On Linux the
// kernel copies the bytes itself, as `cp` has it do, without passing them
// through the program; where it copies nothing (another file system, an
// older kernel, a file that tells no size) they are read and written.
// `size`, when known, ends the copy once reached, saving the call that
// would only find the end.
bool copyBytes(int in, int out, off_t size = -1) {
#ifdef __linux__
    for (off_t copied = 0;;) {
        const bool copiedAny = copied > 0;
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
        if (n > 0) {
            copied += n;
            if (copied == size) return true;
        } else if (n == 0 && copiedAny) {
            return true;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // read and write from where the kernel stopped
        }
    }
#endif
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!writeAll(out, buf, static_cast<std::size_t>(n))) return false;
    }
}

// The folders looked through for stale temporary files, and those this
// process made (nothing stale can be in them yet), with when.
std::map<std::string, time_t>& lookedThroughFolders() {
    static std::map<std::string, time_t> folders;
    return folders;
}

// Removes from `dir` the temporary files of TRV's own naming that were last
// written over a minute before `now`: what a writer killed part-way left.
// `now` is the time stamp of a file just made in that folder, the clock of
// the file system that holds it. Links, folders and every other name stay.
// Unless `always`, each folder is looked through at most once a minute by
// one process: a delivery writes thousands of files into the same few folders.
void removeStaleTemporariesIn(const std::string& dir, time_t now, bool always = false,
                              const std::string& own = {}) {
    time_t& last = lookedThroughFolders()[dir];
    if (!always && last != 0 && now < last + staleTemporarySeconds) return;
    last = now;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        if (!isTemporaryFileName(e->d_name)) continue;
        const std::string path = join(dir, e->d_name);
        if (path == own) continue;  // the writer's own, just made
        struct stat st{};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime + staleTemporarySeconds < now)
            ::unlink(path.c_str());
    }
    ::closedir(d);
}

// A new temporary file of TRV's naming in `dir`, open for writing and private
// until its mode is set; -1 with errno set when none can be made. Stale ones
// go from the folder first, so that kills never pile them up.
int createTemporary(const std::string& dir, std::string& tmp) {
    tmp = join(dir, ".trv-XXXXXX");
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st{};
    if (::fstat(fd, &st) == 0) removeStaleTemporariesIn(dir, st.st_mtime, false, tmp);
    return fd;
}

// A new temporary file of TRV's naming in `dir`, open for writing with the
// permissions a new file gets: what a tree copy writes, one file after
// another, with no call more than it needs (the caller removes the stale ones
// of the folder). -1 with errno set when none can be made.
int createTemporaryAs(const std::string& dir, std::string& tmp) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 next{std::random_device{}() ^ static_cast<unsigned>(::getpid())};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".trv-";
        for (int i = 0; i < 6; ++i) name += letters[next() % (sizeof letters - 1)];
        tmp = join(dir, name);
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, newFileMode());
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the whole temporary file `tmp` the name `dst` only while that name
// is free, in one step of the file system: of two users copying to one name
// exactly one wins, and nobody's file is ever replaced. The temporary name is
// gone afterwards, whatever the outcome.
CopyOutcome nameWithoutReplacing(const std::string& tmp, const std::string& dst) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0) return CopyOutcome::Copied;
    // File systems that cannot refuse in a rename (NFS among them) still
    // refuse a hard link to a taken name.
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return err == EEXIST ? CopyOutcome::TargetExists : CopyOutcome::Failed;
    }
#endif
    const bool linked = ::link(tmp.c_str(), dst.c_str()) == 0;
    const int err = errno;
    ::unlink(tmp.c_str());
    if (linked) return CopyOutcome::Copied;
    return err == EEXIST ? CopyOutcome::TargetExists : CopyOutcome::Failed;
}

// Runs a program and returns what it printed, or nothing when it could not run.
bool runAndCapture(const std::vector<std::string>& argv, std::string& out) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        return false;
    }
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' '))
        out.pop_back();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Children started and not waited for are reaped here, so none lingers.
void reapStartedPrograms() {
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

pid_t spawnDetached(const std::string& program, const std::vector<std::string>& argv, bool searchPath) {
    reapStartedPrograms();
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
#ifdef POSIX_SPAWN_SETSID
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
#endif
    pid_t pid = 0;
    const int rc = searchPath
                       ? ::posix_spawnp(&pid, program.c_str(), nullptr, &attr, args.data(), environ)
                       : ::posix_spawn(&pid, program.c_str(), nullptr, &attr, args.data(), environ);
    posix_spawnattr_destroy(&attr);
    return rc == 0 ? pid : -1;
}

// The path with its names found as stored, once the kernel has not found it
// as spelled: the folder is listed for another spelling of the last name,
// and the folders above it only when that folder is not there as spelled either.
std::string storedPath(const std::string& path, bool* lastFound = nullptr) {
    const auto there = [](const std::string& p) {
        struct stat st{};
        return ::lstat(p.c_str(), &st) == 0;
    };
    std::string cur = joinedComponents(path);
    bool absolute = false;
    const auto parts = splitComponents(path, absolute);
    std::size_t first = 0;
    bool lastIsMissing = false;  // already looked up as spelled
    const auto slash = cur.find_last_of('/');
    if (parts.size() > 1 && slash != std::string::npos && slash > 0 && there(cur.substr(0, slash))) {
        first = parts.size() - 1;  // only the last name is not stored as spelled
        lastIsMissing = true;
        cur.resize(slash);
    } else {
        cur = absolute ? "/" : "";
    }
    bool lookUp = true;  // stops once a component is missing: nothing below it exists
    for (std::size_t k = first; k < parts.size(); ++k) {
        const std::string& part = parts[k];
        std::string next = join(cur, part);
        if (lookUp && part != "." && part != ".." && (lastIsMissing || !there(next))) {
            const std::string stored = storedSpelling(cur, part);
            lookUp = !stored.empty();
            if (lookUp) next = join(cur, stored);
        }
        cur = std::move(next);
    }
    if (lastFound) *lastFound = lookUp;
    if (cur.empty()) return std::string(1, '.');
    return cur;
}

// Where a new file `path` goes, its folders as stored; none when the name is
// taken in any letter case. One look-up when it is taken as spelled, else
// the folder's look-up and one listing of it.
std::optional<std::string> newFileTarget(const std::string& path) {
    const std::string joined = joinedComponents(path);
    struct stat st{};
    if (joined.empty() || ::lstat(joined.c_str(), &st) == 0) return std::nullopt;
    bool taken = false;
    std::string stored = storedPath(path, &taken);
    if (taken) return std::nullopt;
    return stored;
}


}  // namespace

std::string NativePlatform::nativePath(const std::string& path) {
    // Nearly every path names what is stored under exactly that spelling, or
    // a new file in a folder that is: one or two lookups tell, where looking
    // up every folder on the way costs one each (on a network drive, a round
    // trip each). Whatever the kernel finds as spelled, it found folder by folder.
    std::string cur = joinedComponents(path);
    struct stat st{};
    if (!cur.empty() && ::lstat(cur.c_str(), &st) == 0) return cur;
    return storedPath(path);
}
namespace {

// Whether a call failed because a name on the way is not stored as spelled
// (or not at all): only then is another spelling looked for.
bool notFoundAsSpelled() { return errno == ENOENT || errno == ENOTDIR; }

// The folder in `st` may be entered by this process (searched, "x"), told
// from its mode where that settles it, else asked of the system.
bool mayEnter(const std::string& native, const struct stat& st) {
    const uid_t uid = ::geteuid();
    if (uid == 0) return true;
    mode_t bit = S_IXOTH;
    if (st.st_uid == uid) bit = S_IXUSR;
    else if (st.st_gid == ::getegid()) bit = S_IXGRP;
    if ((st.st_mode & bit) != 0 && bit != S_IXOTH) return true;
    return ::access(native.c_str(), X_OK) == 0;  // other groups, access lists
}

}  // namespace

namespace {

// The path of `name` in the folder of `spelled` as that folder is stored,
// when the folder is stored in other letter case; nothing when it is there as
// spelled (then the name itself is not) or has no folder.
std::optional<std::string> inStoredFolder(const std::string& spelled, const std::string& name) {
    const std::string dir = parentOf(spelled);
    if (dir.empty()) return std::nullopt;
    struct stat st{};
    if (::lstat(dir.c_str(), &st) == 0) return std::nullopt;
    const std::string storedDir = storedPath(dir);
    if (storedDir == dir) return std::nullopt;
    return join(storedDir, name);
}

}  // namespace

bool NativePlatform::isPresent(const std::string& path) {
    const std::string name = lastComponent(path);
    if (name.empty()) return false;
    // The kernel compares names exactly: a file found as spelled is stored
    // under exactly this name. Otherwise only the folders above may be stored
    // in other letter case; the name itself must still be found as spelled.
    std::string exact = joinedComponents(path);
    struct stat st{};
    if (::stat(exact.c_str(), &st) == 0) return S_ISREG(st.st_mode);
    if (!notFoundAsSpelled()) return false;
    const auto inStored = inStoredFolder(exact, name);
    return inStored && ::stat(inStored->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool NativePlatform::fileExists(const std::string& path) {
    if (lastComponent(path).empty()) return false;
    struct stat st{};
    if (::stat(joinedComponents(path).c_str(), &st) == 0) return S_ISREG(st.st_mode);
    if (!notFoundAsSpelled()) return false;
    return isRegularFile(storedPath(path));
}

FolderTest NativePlatform::testFolder(const std::string& path) {
    std::string native = joinedComponents(path);
    struct stat st{};
    if (native.empty() || ::stat(native.c_str(), &st) != 0) {
        if (!native.empty() && !notFoundAsSpelled()) return FolderTest::OtherFailure;
        const std::string stored = storedPath(path);
        if (stored == native) return FolderTest::NotFound;  // in no other spelling either
        native = stored;
        if (::stat(native.c_str(), &st) != 0) {
            if (notFoundAsSpelled()) return FolderTest::NotFound;  // ENOTDIR: a parent is a file
            return FolderTest::OtherFailure;
        }
    }
    if (!S_ISDIR(st.st_mode)) return FolderTest::OtherFailure;
    if (!mayEnter(native, st)) return FolderTest::OtherFailure;
    return FolderTest::Exists;
}

bool NativePlatform::createFolder(const std::string& path) {
    // A folder there as spelled is listed once for the name in any letter
    // case: a name taken so is refused, a free one made as spelled.
    const std::string joined = joinedComponents(path);
    const std::string dir = parentOf(joined);
    const std::string name = lastComponent(path);
    if (!dir.empty() && !name.empty() && name != "." && name != "..") {
        bool missing = false;
        const auto taken = folderEntries(dir, name, &missing);
        if (!missing) {
            for (const auto& e : taken)
                if (equalsNoCase(e.name, name)) return false;
            if (::mkdir(joined.c_str(), 0777) != 0) return false;
            lookedThroughFolders()[joined] = ::time(nullptr);  // nothing stale in it
            return true;
        }
    }
    return ::mkdir(nativePath(path).c_str(), 0777) == 0;
}

std::vector<std::string> NativePlatform::listFiles(const std::string& folder) {
    return listFilesStartingWith(folder, {});
}

std::vector<std::string> NativePlatform::listFilesStartingWith(const std::string& folder,
                                                               const std::string& prefix) {
    std::vector<std::string> files;
    // A temporary file is no drawing or record of anybody's, even while it is being written.
    // Listed as spelled: one call when the names are stored so.
    bool missing = false;
    auto entries = folderEntries(joinedComponents(folder), prefix, &missing);
    if (missing) entries = folderEntries(storedPath(folder), prefix);
    for (auto& e : entries)
        if (e.file && !isTemporaryFileName(e.name)) files.push_back(std::move(e.name));
    return files;
}

namespace {

// The rest of an open file, which is closed; none when it cannot be read (errno tells why).
std::optional<std::string> readOpenFile(int fd) {
    std::string content;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            errno = err;
            return std::nullopt;
        }
        if (n == 0) break;
        content.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

}  // namespace

std::string NativePlatform::readFile(const std::string& path) {
    // Opened as spelled: one call when the names are stored so.
    std::string native = joinedComponents(path);
    int fd = native.empty() ? -1 : ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (native.empty() || notFoundAsSpelled())) {
        native = storedPath(path);
        fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0) throw RuntimeFailure("cannot open " + native + ": " + std::strerror(errno));
    auto content = readOpenFile(fd);
    if (!content) throw RuntimeFailure("cannot read " + native + ": " + std::strerror(errno));
    return std::move(*content);
}

std::optional<std::string> NativePlatform::readPresentFile(const std::string& path) {
    const std::string name = lastComponent(path);
    if (name.empty()) return std::nullopt;
    // The kernel compares names exactly: a file opened as spelled is stored
    // under exactly this name. Otherwise only the folders above may be stored
    // in other letter case. Without blocking: no pipe holds a record.
    std::string native = joinedComponents(path);
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && notFoundAsSpelled()) {
        const auto inStored = inStoredFolder(native, name);
        if (!inStored) return std::nullopt;
        native = *inStored;
        fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0 && notFoundAsSpelled()) return std::nullopt;
    }
    if (fd < 0) {
        // There but not to be opened (no access) is an unreadable file;
        // what cannot even be looked at is absent, as for isPresent.
        const int err = errno;
        if (!isRegularFile(native)) return std::nullopt;
        throw RuntimeFailure("cannot open " + native + ": " + std::strerror(err));
    }
    auto content = readOpenFile(fd);
    if (content) return content;
    const int err = errno;
    if (err == EISDIR || !isRegularFile(native)) return std::nullopt;  // a folder is no file
    throw RuntimeFailure("cannot read " + native + ": " + std::strerror(err));
}

void NativePlatform::replaceFile(const std::string& path, const std::string& content) {
    const std::string native = nativePath(path);
    const std::string dir = parentOf(native);
    std::string tmp;
    const int fd = createTemporary(dir, tmp);
    if (fd < 0) throw RuntimeFailure("cannot write " + native + ": " + std::strerror(errno));
    const bool ok = writeAll(fd, content.data(), content.size()) && ::fsync(fd) == 0;
    ::fchmod(fd, newFileMode());
    if (::close(fd) != 0 || !ok || ::rename(tmp.c_str(), native.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        throw RuntimeFailure("cannot write " + native + ": " + std::strerror(err));
    }
}

bool NativePlatform::createNewFile(const std::string& path, const std::string& content) {
    // A name taken in any letter case is refused here.
    const std::optional<std::string> target = newFileTarget(path);
    if (!target) return false;
    const std::string& native = *target;
    // Whole or not at all: a reader, or a process killed part-way, never
    // finds the file empty or cut short under its name.
    std::string tmp;
    const int fd = createTemporary(parentOf(native), tmp);
    if (fd < 0) throw RuntimeFailure("cannot create " + native + ": " + std::strerror(errno));
    bool ok = writeAll(fd, content.data(), content.size()) && ::fchmod(fd, newFileMode()) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        throw RuntimeFailure("cannot write " + native);
    }
    switch (nameWithoutReplacing(tmp, native)) {
        case CopyOutcome::Copied:
            return true;
        case CopyOutcome::TargetExists:
            return false;
        case CopyOutcome::Failed:
            break;
    }
    throw RuntimeFailure("cannot create " + native);
}

CopyOutcome NativePlatform::copyToNewFile(const std::string& from, const std::string& to) {
    int in = ::open(joinedComponents(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0 && notFoundAsSpelled()) in = ::open(storedPath(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return CopyOutcome::Failed;
    // A name already taken is told at once rather than after a long copy.
    const std::optional<std::string> target = newFileTarget(to);
    if (!target) {
        ::close(in);
        return CopyOutcome::TargetExists;
    }
    const std::string& dst = *target;
    // The drawing appears under its name whole or not at all, even when the
    // process is killed: it is copied under a temporary name beside it,
    // flushed to the disk, and only then named.
    std::string tmp;
    const int out = createTemporary(parentOf(dst), tmp);
    if (out < 0) {
        ::close(in);
        return CopyOutcome::Failed;
    }
    bool ok = copyBytes(in, out) && ::fchmod(out, newFileMode()) == 0 && ::fsync(out) == 0;
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        return CopyOutcome::Failed;
    }
    return nameWithoutReplacing(tmp, dst);
}

std::string NativePlatform::systemLogonName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    if (const char* user = std::getenv("USER")) return user;
    if (const char* user = std::getenv("LOGNAME")) return user;
    return {};
}

std::string NativePlatform::localTime() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    ::localtime_r(&now, &t);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &t));
}

std::string NativePlatform::programFolder() {
    std::string buf(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return ".";
    buf.resize(static_cast<std::size_t>(n));
    return parentOf(buf);
}

std::string NativePlatform::displayPath(const std::string& path) {
    std::string out;
    for (char c : path) {
        const char d = (c == '\\') ? '/' : c;
        if (d == '/' && !out.empty() && out.back() == '/') continue;  // a doubled separator names one folder
        out += d;
    }
    return out;
}

int NativePlatform::openDocument(const std::string& path) {
    const std::string native = nativePath(path);
    if (!isRegularFile(native)) return shellFileNotFound;
    // The desktop's association: the file's type from the shared MIME
    // database, then the default application for that type.
    std::string mime, app;
    if (!runAndCapture({"xdg-mime", "query", "filetype", native}, mime) || mime.empty())
        return shellNoAssociation;
    if (!runAndCapture({"xdg-mime", "query", "default", mime}, app) || app.empty())
        return shellNoAssociation;
    if (spawnDetached("xdg-open", {"xdg-open", native}, true) < 0) return shellNoAssociation;
    return 42;
}

void NativePlatform::startProgram(const std::string& program, const std::string& argument) {
    const std::string exe = nativePath(program);
    if (!isRegularFile(exe) || ::access(exe.c_str(), X_OK) != 0)
        throw RuntimeFailure("cannot start " + exe);
    // An argument vector, no shell: blanks in either path need no quoting.
    if (spawnDetached(exe, {exe, nativePath(argument)}, false) < 0)
        throw RuntimeFailure("cannot start " + exe);
}

// ---- walking and copying folder trees ----

std::vector<Platform::FolderEntry> NativePlatform::listEntries(const std::string& folder) {
    const std::string dir = nativePath(folder);
    ListingOrder<FolderEntry> listing;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return {};
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        const std::string full = join(dir, n);
        EntryKind kind = EntryKind::File;
        struct stat st{};
        if (e->d_type == DT_DIR) {
            kind = EntryKind::Folder;
        } else if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            const bool link = e->d_type == DT_LNK || (::lstat(full.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
            const bool folder = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            kind = folder ? (link ? EntryKind::FolderLink : EntryKind::Folder)
                          : (link ? EntryKind::FileLink : EntryKind::File);
        }
        listing.add(FolderEntry{std::move(n), kind});
    }
    ::closedir(d);
    return listing.sorted();
}

bool NativePlatform::copyFileReplacing(const std::string& from, const std::string& to) {
    const std::string src = nativePath(from);
    const std::string dst = nativePath(to);
    // Not blocking on open: a named pipe in a tree must not stop the copy.
    const int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return false;
    struct stat st{};
    struct stat target{};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode) ||
        (::stat(dst.c_str(), &target) == 0 && S_ISDIR(target.st_mode))) {
        ::close(in);
        return false;
    }
    std::string tmp;
    const int out = createTemporary(parentOf(dst), tmp);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = copyBytes(in, out);
    ::close(in);
    // The temporary file is private; the copy gets the usual permissions.
    if (::fchmod(out, newFileMode()) != 0) ok = false;
    if (::close(out) != 0) ok = false;
    if (!ok || ::rename(tmp.c_str(), dst.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

CopyOutcome NativePlatform::copyFileAs(const std::string& from, const std::string& to, bool replace) {
    // Spelled as stored: the paths are taken as they are, and looked up
    // name by name only when the file system does not find them so.
    std::string src = joinedComponents(from);
    int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0 && notFoundAsSpelled()) in = ::open((src = storedPath(from)).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return CopyOutcome::Failed;
    struct stat st{};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return CopyOutcome::Failed;
    }
    std::string dst = joinedComponents(to);
    std::string dir = parentOf(dst);
    std::string tmp;
    int out = createTemporaryAs(dir, tmp);
    if (out < 0 && notFoundAsSpelled()) {
        dir = storedPath(dir);
        dst = join(dir, lastComponent(to));
        out = createTemporaryAs(dir, tmp);
    }
    if (out < 0) {
        ::close(in);
        return CopyOutcome::Failed;
    }
    bool ok = copyBytes(in, out, st.st_size);
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        return CopyOutcome::Failed;
    }
    if (!replace) return nameWithoutReplacing(tmp, dst);
    // A folder in the file's place stays (rename refuses to replace one by a file).
    if (::rename(tmp.c_str(), dst.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}

void NativePlatform::removeStaleTemporaries(const std::string& folder) {
    removeStaleTemporariesIn(nativePath(folder), ::time(nullptr), true);
}

std::string NativePlatform::resolvedPath(const std::string& path) {
    // The deepest folder on the way that exists, resolved; the rest as given.
    bool absolute = false;
    const auto parts = splitComponents(path, absolute);
    std::string native = nativePath(path);
    std::vector<std::string> rest;
    for (std::size_t k = parts.size();; --k) {
        if (char* real = ::realpath(native.empty() ? "." : native.c_str(), nullptr)) {
            std::string resolved = real;
            std::free(real);
            for (auto it = rest.rbegin(); it != rest.rend(); ++it) resolved = join(resolved, *it);
            return resolved;
        }
        if (k == 0) return joinedComponents(path);
        rest.push_back(parts[k - 1]);
        native = parentOf(native);
    }
}

}  // namespace trv

// ---- registering projects: appending and replacing copies ----

namespace trv {

void NativePlatform::appendToFile(const std::string& path, const std::string& text) {
    const std::string native = nativePath(path);
    // O_APPEND puts each write at the end as it is then, so that records
    // appended by two users at once stay whole lines.
    const int fd = ::open(native.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) throw RuntimeFailure("cannot append to " + native + ": " + std::strerror(errno));
    struct stat st{};
    char last = '\n';
    if (::fstat(fd, &st) != 0 || (st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) != 1)) {
        ::close(fd);
        throw RuntimeFailure("cannot append to " + native);
    }
    // A last line without its end (a torn append, a file edited by hand)
    // is ended first, in the same write.
    const std::string whole = (last == '\n' || last == '\r') ? text : "\r\n" + text;
    std::size_t written = 0;
    bool ok = true;
    while (written < whole.size()) {
        const ssize_t n = ::write(fd, whole.data() + written, whole.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    // What a failed write put there goes again: the file ends where it did.
    if (!ok && written > 0 && ::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(written))
        (void)::ftruncate(fd, st.st_size - static_cast<off_t>(written));
    if (::close(fd) != 0 || !ok) throw RuntimeFailure("cannot append to " + native);
}

void NativePlatform::replaceWithCopy(const std::string& from, const std::string& to) {
    const std::string source = nativePath(from);
    const std::string target = nativePath(to);
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw RuntimeFailure("cannot read " + source + ": " + std::strerror(errno));
    std::string tmp;
    const int out = createTemporary(parentOf(target), tmp);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        throw RuntimeFailure("cannot write " + target + ": " + std::strerror(err));
    }
    bool ok = copyBytes(in, out) && ::fsync(out) == 0 && ::fchmod(out, newFileMode()) == 0;
    ::close(in);
    if (::close(out) != 0) ok = false;
    if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
        ::unlink(tmp.c_str());
        throw RuntimeFailure("cannot copy " + source + " to " + target);
    }
}

void NativePlatform::removeFile(const std::string& path) {
    const std::string native = nativePath(path);
    if (lastComponent(path).empty()) throw RuntimeFailure("cannot delete " + native + ": no file name");
    // unlink takes no folder, as deleting a file on Windows takes none.
    if (::unlink(native.c_str()) != 0) throw RuntimeFailure("cannot delete " + native + ": " + std::strerror(errno));
}

// ---- checking the configuration ----

bool NativePlatform::canListFolder(const std::string& folder) {
    DIR* d = ::opendir(nativePath(folder).c_str());
    if (!d) return false;
    ::closedir(d);
    return true;
}

bool NativePlatform::canCreateFileIn(const std::string& folder) {
    std::string probe = join(nativePath(folder), ".trv-probe-XXXXXX");
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    static constexpr char bytes[] = "probe\r\n";
    const bool ok = writeAll(fd, bytes, sizeof bytes - 1) && ::fsync(fd) == 0;
    ::close(fd);
    ::unlink(probe.c_str());
    return ok;
}

}  // namespace trv

// ---- text files in the ANSI code page ----

namespace trv {

// A POSIX system has no ANSI code page; the files of earlier Windows tools
// were written in the western one.
std::string NativePlatform::ansiToUtf8(std::string_view bytes) { return windows1252ToUtf8(bytes); }

}  // namespace trv
