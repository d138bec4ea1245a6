// Our INI reader against the Windows profile reader itself: every file of
// the corpus, every section and key either reader can see in it (in other
// letter case too), and a few that are absent, read both ways. The settings
// loader relies on the two agreeing, since "trv.ini" is written by people
// who only ever tried it with the Windows reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/ini.h"
#include "platform/text.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace trv {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t minimumCorpusFiles = 40;

fs::path corpusFolder() { return fs::path(TRV_SOURCE_DIR) / "tests" / "windows" / "ini_corpus"; }

std::vector<fs::path> corpusFiles() {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(corpusFolder(), ec))
        if (e.path().extension() == ".ini") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

#ifdef _WIN32
// Where Wine's answer looks like a fault of Wine's own, our reader keeps to
// the documented behaviour, and Wine's answer is accepted beside ours (so
// the comparison also passes on Windows, whichever way it answers).
struct KnownWineDifference {
    const char* file;
    const char* key;
    const char* why;
};
const KnownWineDifference knownWineDifferences[] = {
    // Wine drops the last character of a quoted value whose inner text
    // fills the 254 characters exactly: an off-by-one when it strips the
    // closing quote. Unquoted, the same value comes back whole, and a longer
    // quoted one is cut at 254, so the quotes take no room in the buffer.
    {"quoted-value-filling-the-buffer.ini", "Velunor", "Wine cuts a quoted 254-character value to 253"},
};

bool isKnownWineDifference(const std::string& file, const std::string& key, const std::string& ours,
                           const std::string& theirs) {
    for (const auto& d : knownWineDifferences)
        if (file == d.file && equalsNoCase(key, d.key) && !ours.empty() && theirs == ours.substr(0, ours.size() - 1))
            return true;
    return false;
}

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names split at NULs, as the profile reader lists sections and keys.
std::vector<std::string> splitAtNuls(const std::string& buf) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < buf.size() && buf[start] != '\0') {
        const std::size_t end = buf.find('\0', start);
        names.push_back(buf.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Section and key names as a reader might see them on each line: with and
// without the blanks around them, before the first ']' and before the last.
void namesOnLines(const std::string& text, std::set<std::string>& sections, std::set<std::string>& keys) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::string trimmed = trimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::string inner = trimmed.substr(1);
            for (std::size_t close : {inner.find(']'), inner.rfind(']'), std::string::npos}) {
                const std::string name = inner.substr(0, close);
                sections.insert(name);
                sections.insert(trimBlanks(name));
            }
        }
        const std::size_t eq = trimmed.find('=');
        keys.insert(trimBlanks(trimmed.substr(0, eq)));
        start = end + 1;
    }
}

#endif

TEST(IniDifferential, CorpusIsThere) {
    // Checked everywhere, so that a moved corpus cannot make the Windows
    // comparison pass by reading nothing.
    EXPECT_GE(corpusFiles().size(), minimumCorpusFiles) << corpusFolder().string();
}

TEST(IniDifferential, OurReaderAgreesWithGetPrivateProfileString) {
#ifndef _WIN32
    GTEST_SKIP() << "the Windows profile reader is needed: this runs on Windows and under Wine";
#else
    std::size_t queries = 0, valuesFound = 0;
    const auto files = corpusFiles();
    ASSERT_GE(files.size(), minimumCorpusFiles) << corpusFolder().string();
    for (const auto& file : files) {
        const std::string text = slurp(file);
        const std::string path = fs::absolute(file).string();

        std::set<std::string> sections = {"Paths", "PATHS", "paths", " Paths ", "NoSuchSection"};
        std::set<std::string> keys = {"ResourcePath", "ProjectPath", "Velunor", "OpenInAutoCAD", "NoSuchKey"};
        namesOnLines(text, sections, keys);
        std::string buf(65536, '\0');
        DWORD n = ::GetPrivateProfileSectionNamesA(buf.data(), static_cast<DWORD>(buf.size()), path.c_str());
        for (const auto& s : splitAtNuls(buf.substr(0, n + 1))) {
            sections.insert(s);
            std::string keyList(65536, '\0');
            const DWORD k = ::GetPrivateProfileStringA(s.c_str(), nullptr, "", keyList.data(),
                                                       static_cast<DWORD>(keyList.size()), path.c_str());
            for (const auto& key : splitAtNuls(keyList.substr(0, k + 1))) keys.insert(key);
        }
        // Every key also in upper and lower case; an empty key name asks
        // the profile reader for something else (the list of keys).
        std::set<std::string> asked;
        for (const auto& k : keys) {
            if (k.empty() || k.find('\0') != std::string::npos) continue;
            asked.insert(k);
            asked.insert(toUpper(k));
            asked.insert(toLower(k));
        }
        for (const auto& section : sections) {
            // The nameless section is left out: for keys before the first
            // header Wine answers what Windows does not (Windows takes them
            // as in no section, and "[]" as the nameless one), and TRV never
            // asks for it.
            if (section.empty() || section.find('\0') != std::string::npos) continue;
            for (const auto& key : asked) {
                char value[255];
                const DWORD got = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value,
                                                             sizeof value, path.c_str());
                const std::string theirs(value, got);
                const std::string ours = iniValue(text, section, key);
                ++queries;
                if (!theirs.empty()) ++valuesFound;
                if (isKnownWineDifference(file.filename().string(), key, ours, theirs)) continue;
                EXPECT_EQ(ours, theirs) << file.filename().string() << ": [" << section << "] " << key;
            }
        }
    }
    // The comparison must have compared something.
    EXPECT_GT(queries, 1000u);
    EXPECT_GT(valuesFound, 100u);
#endif
}

}  // namespace
}  // namespace trv
