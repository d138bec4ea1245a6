// The Windows side of the platform. Text is UTF-8 inside the program and
// UTF-16 at the Win32 boundary; every call here is the wide-character one, so
// names outside the ANSI code page survive.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iterator>
#include <map>
#include <string_view>

#include "platform/long_paths.h"
#include "platform/native_platform.h"
#include "platform/temporary_files.h"
#include "platform/text.h"
#include "platform/windows_shell.h"

namespace trv {

std::wstring widen(std::string_view s) {
    if (s.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string narrow(std::wstring_view w) {
    if (w.empty()) return {};
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

namespace {

// '/' becomes '\', and a run of separators becomes one (the program builds
// paths by concatenation, so "folder\" & "\PROJECTS" happens). A leading pair
// stays: it starts a network path.
std::wstring toNative(const std::string& path) {
    std::wstring in = widen(path);
    std::replace(in.begin(), in.end(), L'/', L'\\');
    std::wstring out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] == L'\\' && i > 1 && out.back() == L'\\') continue;
        out += in[i];
    }
    return out;
}

// Every path handed to a file function goes through here: absolute and in
// the extended form ("\\?\P:\...", "\\?\UNC\server\share\..."), which Windows
// takes at any length, also where the system has not been set to let
// long-path-aware programs (the manifest) use long paths in the plain form.
// Messages and the shell keep the path as composed (toNative).
std::wstring fileApiPath(const std::string& path) {
    if (!isRelativePath(path)) return widen(extendedLengthPath(path, {}));
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring current(size, L'\0');
    current.resize(::GetCurrentDirectoryW(size, current.data()));
    return widen(extendedLengthPath(path, narrow(current)));
}

std::wstring lastComponent(const std::wstring& native) {
    const auto sep = native.find_last_of(L'\\');
    return sep == std::wstring::npos ? native : native.substr(sep + 1);
}

// The folder part, with its final separator, so that "C:\" stays a root.
std::wstring folderOf(const std::wstring& native) {
    const auto sep = native.find_last_of(L'\\');
    return sep == std::wstring::npos ? std::wstring(L".\\") : native.substr(0, sep + 1);
}

// A path in a failure's text without the prefix of the extended form.
std::string describe(const std::string& what, const std::wstring& path, DWORD error) {
    std::wstring_view shown = path;
    std::wstring server;
    if (shown.starts_with(L"\\\\?\\UNC\\")) {
        server = L"\\" + std::wstring(shown.substr(7));
        shown = server;
    } else if (shown.starts_with(L"\\\\?\\")) {
        shown.remove_prefix(4);
    }
    return what + " " + narrow(shown) + " (error " + std::to_string(error) + ")";
}

class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (valid()) ::FindClose(h_);
    }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    bool close() {
        if (!valid()) return true;
        const bool ok = ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

bool isDirectory(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

bool writeAll(HANDLE h, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(h, content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// The path with its last component as the file is stored, when it exists.
// A rename takes the name it is given; replacing a file must keep the stored
// one, as rewriting the file in place would, so that the presence test finds
// the file under its old name afterwards as before.
std::wstring storedSpelling(const std::wstring& native) {
    const std::wstring name = lastComponent(native);
    if (name.empty() || name.find_first_of(L"*?") != std::wstring::npos) return native;
    WIN32_FIND_DATAW found{};
    const HANDLE h = ::FindFirstFileW(native.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return native;
    ::FindClose(h);
    if (isDirectory(found.dwFileAttributes)) return native;
    return native.substr(0, native.size() - name.size()) + found.cFileName;
}

// Something of that name is there already (a file, or a folder the caller
// cannot create a file over).
bool nameTaken(DWORD error, const std::wstring& path) {
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return true;
    return error == ERROR_ACCESS_DENIED && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The bytes of `in` to `out`; false on a read or write error.
bool copyAll(HANDLE in, HANDLE out) {
    std::string buf(1u << 20, '\0');
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in, buf.data(), static_cast<DWORD>(buf.size()), &got, nullptr)) return false;
        if (got == 0) return true;
        for (DWORD done = 0; done < got;) {
            DWORD written = 0;
            if (!::WriteFile(out, buf.data() + done, got - done, &written, nullptr) || written == 0) return false;
            done += written;
        }
    }
}

ULONGLONG ticksOf(const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// Removes from `folder` (ending with a separator) the temporary files of
// TRV's own naming that were created and last written over a minute before
// `now`: what a writer killed part-way left. `now` is the creation time of a
// file just made in that folder, the clock of the file system that holds it.
// Folders, links and every other name stay.
void removeStaleTemporariesIn(const std::wstring& folder, const FILETIME& now, bool always = false) {
    constexpr ULONGLONG second = 10000000;  // in 100 ns steps
    // Unless `always`, each folder is looked through at most once a minute by
    // one process: a delivery writes thousands of files into the same few folders.
    static std::map<std::wstring, ULONGLONG> lookedThrough;
    ULONGLONG& last = lookedThrough[folder];
    if (!always && last != 0 && ticksOf(now) < last + staleTemporarySeconds * second) return;
    last = ticksOf(now);
    WIN32_FIND_DATAW found{};
    const FindHandle h(::FindFirstFileW((folder + L".trv-*").c_str(), &found));
    if (!h.valid()) return;
    const ULONGLONG limit = ticksOf(now) - staleTemporarySeconds * second;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        if (!isTemporaryFileName(narrow(found.cFileName))) continue;
        // A copy made by CopyFileW keeps its source's time of last writing; its creation time is new.
        if (std::max(ticksOf(found.ftLastWriteTime), ticksOf(found.ftCreationTime)) < limit)
            ::DeleteFileW((folder + found.cFileName).c_str());
    } while (::FindNextFileW(h.get(), &found));
}

// A new temporary file of TRV's naming in `folder` (ending with a separator),
// created exclusively and open for writing in `out`. Its path, or an empty
// one with `error` set. Stale ones go from the folder first, so that kills
// never pile them up.
std::wstring createTemporary(const std::wstring& folder, FileHandle& out, DWORD& error) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring tmp = folder + L".trv-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                           std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(++counter) + L".tmp";
        out.reset(::CreateFileW(tmp.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (out.valid()) {
            FILETIME now{};
            if (!::GetFileTime(out.get(), &now, nullptr, nullptr)) ::GetSystemTimeAsFileTime(&now);
            removeStaleTemporariesIn(folder, now);
            return tmp;
        }
        error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS) return {};
    }
    return {};
}

// Gives the temporary file `tmp` the name `target` only while that name is
// free: a rename without MOVEFILE_REPLACE_EXISTING refuses a taken name in
// one step of the file system, so of two users copying to one name exactly
// one wins, and nobody's file is ever replaced. The temporary name is gone
// afterwards, whatever the outcome.
CopyOutcome nameWithoutReplacing(const std::wstring& tmp, const std::wstring& target) {
    if (::MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return CopyOutcome::Copied;
    const DWORD error = ::GetLastError();
    ::DeleteFileW(tmp.c_str());
    return nameTaken(error, target) ? CopyOutcome::TargetExists : CopyOutcome::Failed;
}

// One argument of a command line, quoted when it holds blanks, so that the
// started program's runtime splits it back into the same single argument.
std::wstring quotedArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: doubled there, and the quote escaped.
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        out += c;
        backslashes = 0;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

// The program's own name is read up to the next quote, without escapes.
std::wstring quotedProgram(const std::wstring& program) {
    if (program.find_first_of(L" \t") == std::wstring::npos) return program;
    return L"\"" + program + L"\"";
}

}  // namespace

std::string NativePlatform::nativePath(const std::string& path) { return narrow(toNative(path)); }

bool NativePlatform::isPresent(const std::string& path) {
    const std::wstring native = fileApiPath(path);
    // The name as composed: the extended form has its final periods and blanks trimmed.
    const std::wstring name = lastComponent(toNative(path));
    // A wildcard would turn the look-up into a search; no stored name holds one.
    if (name.empty() || name.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW found{};
    const FindHandle h(::FindFirstFileW(native.c_str(), &found));
    if (!h.valid()) return false;
    // The stored name, exactly: FindFirstFileW also matches in other case, by
    // the short 8.3 name, and without trailing dots or blanks.
    return !isDirectory(found.dwFileAttributes) && name == found.cFileName;
}

bool NativePlatform::fileExists(const std::string& path) {
    const std::wstring native = fileApiPath(path);
    if (lastComponent(native).empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(native.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !isDirectory(attributes);
}

FolderTest NativePlatform::testFolder(const std::string& path) {
    const std::wstring target = fileApiPath(path);
    // The test is making it the current directory. The process itself keeps
    // working where it was, so the current directory is put back at once.
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring previous(size, L'\0');
    previous.resize(::GetCurrentDirectoryW(size, previous.data()));
    if (::SetCurrentDirectoryW(target.c_str())) {
        if (!previous.empty()) ::SetCurrentDirectoryW(previous.c_str());
        return FolderTest::Exists;
    }
    DWORD error = ::GetLastError();
    // The current directory holds less than 260 characters unless the system
    // lets long-path-aware programs go further. A deeper folder is entered
    // as making it the current directory would enter it: opened for
    // traversal, and a folder.
    if (error == ERROR_FILENAME_EXCED_RANGE) {
        const FileHandle h(::CreateFileW(target.c_str(), FILE_TRAVERSE | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION info{};
        if (h.valid() && ::GetFileInformationByHandle(h.get(), &info))
            return isDirectory(info.dwFileAttributes) ? FolderTest::Exists : FolderTest::OtherFailure;
        error = ::GetLastError();
    }
    if (error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND) return FolderTest::NotFound;
    return FolderTest::OtherFailure;
}

bool NativePlatform::createFolder(const std::string& path) {
    return ::CreateDirectoryW(fileApiPath(path).c_str(), nullptr) != 0;
}

std::vector<std::string> NativePlatform::listFiles(const std::string& folder) {
    std::wstring pattern = fileApiPath(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L':') pattern += L'\\';
    pattern += L'*';
    std::vector<std::string> files;
    WIN32_FIND_DATAW found{};
    const FindHandle h(::FindFirstFileW(pattern.c_str(), &found));
    if (!h.valid()) return files;
    do {
        // A temporary file is no drawing or record of anybody's, even while it is being written.
        if (isDirectory(found.dwFileAttributes)) continue;
        std::string name = narrow(found.cFileName);
        if (!isTemporaryFileName(name)) files.push_back(std::move(name));
    } while (::FindNextFileW(h.get(), &found));
    // NTFS already lists by upper-case name, but network shares and FAT do
    // not; sorting here makes every file system, and POSIX, list alike.
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return lessNoCase(a, b); });
    return files;
}

std::vector<std::string> NativePlatform::listFilesStartingWith(const std::string& folder,
                                                               const std::string& prefix) {
    // Filtered here rather than by a "prefix*.*" pattern, which would also
    // match files whose short 8.3 name happens to begin with the prefix.
    std::vector<std::string> files;
    for (auto& name : listFiles(folder))
        if (startsWithNoCase(name, prefix)) files.push_back(std::move(name));
    return files;
}

std::string NativePlatform::readFile(const std::string& path) {
    const std::wstring native = fileApiPath(path);
    FileHandle h(::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valid()) throw RuntimeFailure(describe("cannot open", native, ::GetLastError()));
    std::string content;
    char buf[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(h.get(), buf, sizeof buf, &got, nullptr))
            throw RuntimeFailure(describe("cannot read", native, ::GetLastError()));
        if (got == 0) break;
        content.append(buf, got);
    }
    return content;
}

void NativePlatform::replaceFile(const std::string& path, const std::string& content) {
    const std::wstring native = fileApiPath(path);
    FileHandle out(INVALID_HANDLE_VALUE);
    DWORD error = 0;
    const std::wstring tmp = createTemporary(folderOf(native), out, error);
    if (tmp.empty()) throw RuntimeFailure(describe("cannot write", native, error));
    bool ok = writeAll(out.get(), content) && ::FlushFileBuffers(out.get());
    if (!ok) error = ::GetLastError();
    if (!out.close() && ok) {
        ok = false;
        error = ::GetLastError();
    }
    if (ok && !::MoveFileExW(tmp.c_str(), storedSpelling(native).c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = ::GetLastError();
    }
    if (!ok) {
        ::DeleteFileW(tmp.c_str());
        throw RuntimeFailure(describe("cannot write", native, error));
    }
}

bool NativePlatform::createNewFile(const std::string& path, const std::string& content) {
    const std::wstring native = fileApiPath(path);
    if (::GetFileAttributesW(native.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    // Whole or not at all: written under a temporary name, flushed, then named.
    FileHandle out(INVALID_HANDLE_VALUE);
    DWORD error = 0;
    const std::wstring tmp = createTemporary(folderOf(native), out, error);
    if (tmp.empty()) throw RuntimeFailure(describe("cannot create", native, error));
    if (!writeAll(out.get(), content) || !::FlushFileBuffers(out.get())) error = ::GetLastError();
    if (!out.close() && error == 0) error = ::GetLastError();
    if (error != 0) {
        ::DeleteFileW(tmp.c_str());
        throw RuntimeFailure(describe("cannot write", native, error));
    }
    const CopyOutcome named = nameWithoutReplacing(tmp, native);
    if (named == CopyOutcome::Failed) throw RuntimeFailure(describe("cannot create", native, ::GetLastError()));
    return named == CopyOutcome::Copied;
}

CopyOutcome NativePlatform::copyToNewFile(const std::string& from, const std::string& to) {
    const std::wstring source = fileApiPath(from);
    const std::wstring target = fileApiPath(to);
    const FileHandle in(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid()) return CopyOutcome::Failed;
    // A name already taken is told at once rather than after a long copy.
    if (::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) return CopyOutcome::TargetExists;
    // The drawing appears under its name whole or not at all, even when the
    // process is killed: it is copied under a temporary name beside it,
    // flushed to the disk, and only then named. The copy is made here rather
    // than by CopyFileW, which would carry a read-only template's attribute
    // over to a drawing the user must be able to save.
    FileHandle out(INVALID_HANDLE_VALUE);
    DWORD error = 0;
    const std::wstring tmp = createTemporary(folderOf(target), out, error);
    if (tmp.empty()) return CopyOutcome::Failed;
    bool ok = copyAll(in.get(), out.get()) && ::FlushFileBuffers(out.get());
    if (!out.close()) ok = false;
    if (ok) return nameWithoutReplacing(tmp, target);
    ::DeleteFileW(tmp.c_str());
    return CopyOutcome::Failed;
}

std::string NativePlatform::systemLogonName() {
    wchar_t name[257];  // the longest logon name and its NUL
    DWORD size = static_cast<DWORD>(std::size(name));
    if (!::GetUserNameW(name, &size) || size == 0) return {};
    return narrow(std::wstring_view(name, size - 1));  // the size counts the NUL
}

std::string NativePlatform::localTime() {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned(t.wYear), unsigned(t.wMonth),
                  unsigned(t.wDay), unsigned(t.wHour), unsigned(t.wMinute));
    return text;
}

std::string NativePlatform::programFolder() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return ".";
        if (n < buf.size()) {
            buf.resize(n);
            break;
        }
        buf.resize(buf.size() * 2);  // cut short: try a larger buffer
    }
    const auto sep = buf.find_last_of(L'\\');
    return sep == std::wstring::npos ? std::string(".") : narrow(std::wstring_view(buf).substr(0, sep));
}

std::string NativePlatform::displayPath(const std::string& path) {
    // The path as the program built it, in Windows form.
    std::string out = path;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

int NativePlatform::openDocument(const std::string& path) {
    // COM is set up by the front end on its thread (Qt does so for its GUI
    // thread), as the shell's handlers need it.
    const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", toNative(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    const auto number = reinterpret_cast<INT_PTR>(result);
    // Above 32 the value is no error number, only a sign of success.
    if (number > 32) return number > INT_MAX ? shellHandedOver : static_cast<int>(number);
    return static_cast<int>(number);
}

void NativePlatform::startProgram(const std::string& program, const std::string& argument) {
    const std::wstring exe = toNative(program);
    std::wstring commandLine = quotedProgram(exe) + L" " + quotedArgument(toNative(argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started))
        throw RuntimeFailure(describe("cannot start", exe, ::GetLastError()));
    // Started and left to run: nothing waits for it.
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
}

void NativePlatform::removeFile(const std::string& path) {
    const std::wstring native = fileApiPath(path);
    if (lastComponent(native).empty()) throw RuntimeFailure(describe("cannot delete", native, ERROR_INVALID_NAME));
    // DeleteFileW refuses folders and read-only files.
    if (!::DeleteFileW(native.c_str())) throw RuntimeFailure(describe("cannot delete", native, ::GetLastError()));
}

void showOpenWithChooser(const std::string& path) {
    const std::wstring file = toNative(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_INVOKEIDLIST;
    request.lpVerb = L"openas";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&request)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_CANCELLED) return;  // the user closed the chooser
        throw RuntimeFailure(describe("cannot offer programs for", file, error));
    }
}

// ---- walking and copying folder trees ----

std::vector<Platform::FolderEntry> NativePlatform::listEntries(const std::string& folder) {
    std::wstring pattern = fileApiPath(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L':') pattern += L'\\';
    pattern += L'*';
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const FindHandle h(::FindFirstFileW(pattern.c_str(), &found));
    if (!h.valid()) return entries;
    do {
        const std::wstring_view name(found.cFileName);
        if (name == L"." || name == L"..") continue;
        EntryKind kind = EntryKind::File;
        if (isDirectory(found.dwFileAttributes)) {
            // Symbolic links and junctions; other reparse points on folders
            // (files kept in the cloud, deduplicated ones) are real folders.
            const bool link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                              (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
                               found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
            kind = link ? EntryKind::FolderLink : EntryKind::Folder;
        } else if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                   found.dwReserved0 == IO_REPARSE_TAG_SYMLINK) {
            kind = EntryKind::FileLink;
        }
        entries.push_back({narrow(name), kind});
    } while (::FindNextFileW(h.get(), &found));
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return lessNoCase(a.name, b.name); });
    return entries;
}

bool NativePlatform::copyFileReplacing(const std::string& from, const std::string& to) {
    return copyFileAs(from, to, true) == CopyOutcome::Copied;
}

CopyOutcome NativePlatform::copyFileAs(const std::string& from, const std::string& to, bool replace) {
    const std::wstring source = fileApiPath(from);
    const std::wstring target = storedSpelling(fileApiPath(to));
    const DWORD sourceAttributes = ::GetFileAttributesW(source.c_str());
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES || isDirectory(sourceAttributes)) return CopyOutcome::Failed;
    const DWORD targetAttributes = ::GetFileAttributesW(target.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && isDirectory(targetAttributes)) return CopyOutcome::Failed;

    // A new temporary file beside the target, copied over and renamed over the target.
    FileHandle claim(INVALID_HANDLE_VALUE);
    DWORD error = 0;
    const std::wstring tmp = createTemporary(folderOf(target), claim, error);
    if (tmp.empty()) return CopyOutcome::Failed;
    claim.close();
    if (!::CopyFileW(source.c_str(), tmp.c_str(), FALSE)) {
        ::DeleteFileW(tmp.c_str());
        return CopyOutcome::Failed;
    }
    // CopyFileW carries a read-only source's attribute over; a read-only
    // copy could not be replaced by the next delivery.
    const DWORD copied = ::GetFileAttributesW(tmp.c_str());
    if (copied != INVALID_FILE_ATTRIBUTES && (copied & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesW(tmp.c_str(), copied & ~DWORD{FILE_ATTRIBUTE_READONLY});
    if (!replace) return nameWithoutReplacing(tmp, target);
    if (!::MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(tmp.c_str());
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}

void NativePlatform::removeStaleTemporaries(const std::string& folder) {
    std::wstring dir = fileApiPath(folder);
    if (!dir.empty() && dir.back() != L'\\') dir += L'\\';
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    removeStaleTemporariesIn(dir, now, true);
}

std::string NativePlatform::resolvedPath(const std::string& path) {
    // The deepest folder on the way that exists, resolved; the rest as given.
    std::wstring native = fileApiPath(path);
    std::wstring rest;
    for (;;) {
        const FileHandle h(::CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (h.valid()) {
            std::wstring final(32768, L'\0');
            const DWORD n = ::GetFinalPathNameByHandleW(h.get(), final.data(), static_cast<DWORD>(final.size()),
                                                        FILE_NAME_NORMALIZED);
            if (n > 0 && n < final.size()) {
                final.resize(n);
                return narrow(final + rest);
            }
        }
        const auto sep = native.find_last_of(L'\\');
        if (sep == std::wstring::npos || sep == 0) return narrow(fileApiPath(path));
        rest = native.substr(sep) + rest;
        native.resize(sep);
    }
}

}  // namespace trv

// ---- registering projects: appending and replacing copies ----

namespace trv {

void NativePlatform::appendToFile(const std::string& path, const std::string& text) {
    const std::wstring native = fileApiPath(path);
    FileHandle out(::CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) throw RuntimeFailure(describe("cannot append to", native, ::GetLastError()));
    LARGE_INTEGER size{};
    char last = '\n';
    DWORD got = 0;
    OVERLAPPED at{};
    if (!::GetFileSizeEx(out.get(), &size)) throw RuntimeFailure(describe("cannot append to", native, ::GetLastError()));
    if (size.QuadPart > 0) {
        at.Offset = static_cast<DWORD>(size.QuadPart - 1);
        at.OffsetHigh = static_cast<DWORD>((size.QuadPart - 1) >> 32);
        if (!::ReadFile(out.get(), &last, 1, &got, &at) || got != 1)
            throw RuntimeFailure(describe("cannot append to", native, ::GetLastError()));
    }
    // A last line without its end is ended first, in the same write.
    const std::string whole = (last == '\n' || last == '\r') ? text : "\r\n" + text;
    // Offsets of all ones write at the end of the file as it is then, so
    // that records appended by two users at once stay whole lines.
    OVERLAPPED end{};
    end.Offset = end.OffsetHigh = 0xFFFFFFFF;
    DWORD written = 0;
    DWORD error = 0;
    if (!::WriteFile(out.get(), whole.data(), static_cast<DWORD>(whole.size()), &written, &end) ||
        written != whole.size()) {
        error = ::GetLastError();
        // All or nothing: what a failed write put there goes again.
        LARGE_INTEGER now{};
        if (written > 0 && ::GetFileSizeEx(out.get(), &now) && now.QuadPart >= static_cast<LONGLONG>(written)) {
            FILE_END_OF_FILE_INFO cut{};
            cut.EndOfFile.QuadPart = now.QuadPart - written;
            ::SetFileInformationByHandle(out.get(), FileEndOfFileInfo, &cut, sizeof cut);
        }
    }
    if (!out.close() && error == 0) error = ::GetLastError();
    if (error != 0) throw RuntimeFailure(describe("cannot append to", native, error));
}

void NativePlatform::replaceWithCopy(const std::string& from, const std::string& to) {
    const std::wstring source = fileApiPath(from);
    const std::wstring target = fileApiPath(to);
    const std::wstring folder = folderOf(target);
    // The copy is made in a new temporary file beside the target, then renamed over it.
    FileHandle claim(INVALID_HANDLE_VALUE);
    DWORD error = 0;
    const std::wstring tmp = createTemporary(folder, claim, error);
    if (tmp.empty()) throw RuntimeFailure(describe("cannot copy to", target, error));
    claim.close();
    if (!::CopyFileW(source.c_str(), tmp.c_str(), FALSE)) {
        error = ::GetLastError();
        ::DeleteFileW(tmp.c_str());
        throw RuntimeFailure(describe("cannot copy to", target, error));
    }
    // CopyFileW carries a read-only template's attribute over; the copy must
    // stay a drawing the user can save.
    const DWORD attributes = ::GetFileAttributesW(tmp.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesW(tmp.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    if (!::MoveFileExW(tmp.c_str(), storedSpelling(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
        ::DeleteFileW(tmp.c_str());
        throw RuntimeFailure(describe("cannot copy to", target, error));
    }
}

// ---- checking the configuration ----

bool NativePlatform::canListFolder(const std::string& folder) {
    std::wstring pattern = fileApiPath(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L':') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const FindHandle h(::FindFirstFileW(pattern.c_str(), &found));
    // Every folder that can be listed holds at least ".".
    return h.valid();
}

bool NativePlatform::canCreateFileIn(const std::string& folder) {
    std::wstring dir = fileApiPath(folder);
    if (!dir.empty() && dir.back() != L'\\' && dir.back() != L':') dir += L'\\';
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring probe = dir + L".trv-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(++counter) + L".tmp";
        const HANDLE h = ::CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            // An empty file needs no room: a few bytes tell a full drive.
            DWORD written = 0;
            const bool ok = ::WriteFile(h, "probe\r\n", 7, &written, nullptr) && written == 7 && ::FlushFileBuffers(h);
            ::CloseHandle(h);
            return ok;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

}  // namespace trv

// ---- text files in the ANSI code page ----

namespace trv {

std::string NativePlatform::ansiToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    const UINT codePage = ::GetACP();
    const int size = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    // A code page that cannot convert the bytes: Windows-1252 always can.
    if (n <= 0) return windows1252ToUtf8(bytes);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), n);
    return narrow(wide);
}

}  // namespace trv
