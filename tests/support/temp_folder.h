#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <system_error>

namespace trv::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto candidate = base / ("trv-test-" + std::to_string(rd()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        // Give back any permission a test took away, so everything can go.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 path_, std::filesystem::directory_options::skip_permission_denied, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }
    // The folder in native form, as a string.
    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

    // Writes `content` to `relative`, creating the folders on the way.
    void write(const std::string& relative, const std::string& content) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << content;
    }
    void mkdir(const std::string& relative) const { std::filesystem::create_directories(path_ / relative); }

    std::string read(const std::string& relative) const { return slurp(path_ / relative); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(path_ / relative); }

    // Names of everything directly in `relative` (files and folders).
    std::set<std::string> entries(const std::string& relative = "") const {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path_ / relative, ec))
            names.insert(e.path().filename().string());
        return names;
    }

    static std::string slurp(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

// A path as the program builds it: the native folder, then components joined
// with backslashes.
inline std::string winPath(const TempFolder& folder, const std::string& relative) {
    return folder.str() + "\\" + relative;
}

}  // namespace trv::testing
