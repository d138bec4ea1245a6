// The INI reader on any file: two settings of trv.ini and the sections and
// keys the file itself names are read, straight from the bytes and as the
// program reads trv.ini (its text first, in the ANSI code page when it is not
// Unicode). A value stays on one line, within the 254 characters of the
// profile buffer, never splits a character of valid text, and does not
// depend on the letter case of the names asked for.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/require.h"
#include "platform/ini.h"
#include "platform/native_platform.h"
#include "platform/text.h"

namespace {

using trv::fuzz::require;

class OneFile : public trv::NativePlatform {
public:
    explicit OneFile(std::string_view bytes) : bytes_(bytes) {}
    std::string readFile(const std::string&) override { return std::string(bytes_); }

private:
    std::string_view bytes_;
};

std::string flipAsciiCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

// Up to three more section names and three more key names, as the file spells them.
void namesIn(std::string_view text, std::vector<std::string>& sections, std::vector<std::string>& keys) {
    std::size_t start = 0;
    while (start < text.size() && (sections.size() < 4 || keys.size() < 5)) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (const auto open = line.find('['); open != std::string_view::npos && sections.size() < 4) {
            const auto close = line.rfind(']');
            if (close != std::string_view::npos && close > open)
                sections.emplace_back(line.substr(open + 1, close - open - 1));
        } else if (keys.size() < 5) {
            keys.emplace_back(line.substr(0, line.find('=')));
        }
        start = end + 1;
    }
}

void checkValue(std::string_view text, const std::string& section, const std::string& key, bool textIsValid) {
    const std::string value = trv::iniValue(text, section, key);
    require(value.find_first_of("\r\n") == std::string::npos, "a value runs over a line end");
    require(trv::charCount(value) <= 254, "a value is longer than the profile buffer");
    if (textIsValid) require(trv::isValidUtf8(value), "a value of valid text is not valid text");
    require(trv::iniValue(text, flipAsciiCase(section), flipAsciiCase(key)) == value,
            "the letter case of a name changed the value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> sections = {"Paths"};
    std::vector<std::string> keys = {"ResourcePath", "DispNCSBtn"};
    namesIn(bytes, sections, keys);

    OneFile file(bytes);
    const std::string text = file.readTextFile("trv.ini");
    require(trv::isValidUtf8(text), "the text of a file is not valid text");
    const bool bytesAreText = trv::unicodeTextOf(bytes).has_value();
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            checkValue(bytes, section, key, bytesAreText);
            checkValue(text, section, key, true);
        }
    }
    return 0;
}
