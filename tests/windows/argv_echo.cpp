// Stands in for the CAD program and for a document's program in the tests of
// starting programs. Given arguments, it writes them to "<first argument>.args"
// (their number, then one per line, UTF-8); given none, as when the shell
// opens it like a document, it writes "opened.txt" beside itself.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string utf8(const wchar_t* w) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) ::WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
    return s;
}

// Written under another name first, so a waiting test never reads half a file.
bool writeWhole(const std::wstring& path, const std::string& content) {
    const std::wstring tmp = path + L".part";
    HANDLE h = ::CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size();
    ::CloseHandle(h);
    return ok && ::MoveFileExW(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv) return 1;
    if (argc < 2) {
        wchar_t self[MAX_PATH];
        const DWORD n = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring folder(self, n);
        folder.resize(folder.find_last_of(L'\\') + 1);
        return writeWhole(folder + L"opened.txt", "opened\n") ? 0 : 1;
    }
    std::string record = std::to_string(argc - 1) + "\n";
    for (int i = 1; i < argc; ++i) record += utf8(argv[i]) + "\n";
    return writeWhole(std::wstring(argv[1]) + L".args", record) ? 0 : 1;
}
