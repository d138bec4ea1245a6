#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

#include "platform/native_platform.h"
#include "support/temp_folder.h"

namespace trv::testing {

#ifdef _WIN32
inline constexpr bool onWindows = true;
#else
inline constexpr bool onWindows = false;
#endif

// The platform on a fresh temporary folder.
class NativePlatformFixture : public ::testing::Test {
protected:
    TempFolder dir;
    NativePlatform platform;
};

// UTF-8 text to a path and back, whatever the system's code page.
inline std::filesystem::path u8path(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}
inline std::string u8(const std::filesystem::path& p) {
    const auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

inline void writeU8(const TempFolder& dir, const std::string& relative, const std::string& content) {
    std::ofstream(dir.path() / u8path(relative), std::ios::binary) << content;
}

// Waits for a file that another process writes.
inline bool waitForFile(const std::filesystem::path& file, std::chrono::seconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::error_code ec;
        if (std::filesystem::exists(file, ec)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace trv::testing
