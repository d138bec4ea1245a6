#include "platform/ini.h"

#include <gtest/gtest.h>

#include <string>

namespace trv {
namespace {

struct IniCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::string value;
};

void expectValues(const IniCase* begin, const IniCase* end) {
    for (const IniCase* c = begin; c != end; ++c)
        EXPECT_EQ(iniValue(c->text, c->section, c->key), c->value) << c->name;
}

TEST(IniValue, FindsNamesWithoutRegardToCaseOrLeadingBlanks) {
    const IniCase cases[] = {
        {"plain", "[Paths]\r\nResourcePath=R:\\res\r\n", "Paths", "ResourcePath", "R:\\res"},
        {"section in other case", "[PATHS]\r\nResourcePath=x\r\n", "Paths", "ResourcePath", "x"},
        {"key in other case", "[paths]\r\nRESOURCEPATH=x\r\n", "Paths", "ResourcePath", "x"},
        {"blanks before section header", "   \t[Paths]\r\nResourcePath=x\r\n", "Paths", "ResourcePath", "x"},
        {"blanks inside the brackets", "[ Paths ]\r\nResourcePath=x\r\n", "Paths", "ResourcePath", "x"},
        {"blanks and tabs before the key", "[Paths]\r\n \t ResourcePath=x\r\n", "Paths", "ResourcePath", "x"},
        {"blanks around the key name", "[Paths]\r\nResourcePath \t = x\r\n", "Paths", "ResourcePath", "x"},
        {"key is a prefix of another", "[Paths]\r\nResourcePathOld=old\r\nResourcePath=new\r\n", "Paths",
         "ResourcePath", "new"},
        {"other key with the same start", "[Paths]\r\nResource=short\r\n", "Paths", "ResourcePath", ""},
        {"section is a prefix of another", "[PathsOld]\r\nResourcePath=old\r\n", "Paths", "ResourcePath", ""},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(IniValue, TrimsTheValueAndRemovesOnePairOfMatchingQuotes) {
    const IniCase cases[] = {
        {"blanks around the value", "[Paths]\r\nProjectPath =   P:\\projects  \r\n", "Paths", "ProjectPath",
         "P:\\projects"},
        {"tabs around the value", "[Paths]\r\nProjectPath=\tP:\\projects\t\r\n", "Paths", "ProjectPath",
         "P:\\projects"},
        {"blanks inside the value kept", "[Paths]\r\nProjectPath=P:\\my projects\r\n", "Paths", "ProjectPath",
         "P:\\my projects"},
        {"double quotes removed", "[Paths]\r\nProjectPath=\"P:\\projects\"\r\n", "Paths", "ProjectPath",
         "P:\\projects"},
        {"single quotes removed", "[Paths]\r\nProjectPath='P:\\projects'\r\n", "Paths", "ProjectPath",
         "P:\\projects"},
        {"blanks inside quotes kept", "[Paths]\r\nProjectPath= \" P:\\x \" \r\n", "Paths", "ProjectPath",
         " P:\\x "},
        {"only one pair removed", "[Paths]\r\nProjectPath=\"\"P\"\"\r\n", "Paths", "ProjectPath", "\"P\""},
        {"empty quotes", "[Paths]\r\nProjectPath=\"\"\r\n", "Paths", "ProjectPath", ""},
        {"opening quote only", "[Paths]\r\nProjectPath=\"P:\\x\r\n", "Paths", "ProjectPath", "\"P:\\x"},
        {"closing quote only", "[Paths]\r\nProjectPath=P:\\x\"\r\n", "Paths", "ProjectPath", "P:\\x\""},
        {"mismatched quote kinds", "[Paths]\r\nProjectPath=\"P:\\x'\r\n", "Paths", "ProjectPath", "\"P:\\x'"},
        {"a lone quote", "[Paths]\r\nProjectPath=\"\r\n", "Paths", "ProjectPath", "\""},
        {"equals sign inside the value", "[Paths]\r\nOpenInAutoCAD=C:\\a=b.exe\r\n", "Paths", "OpenInAutoCAD",
         "C:\\a=b.exe"},
        {"semicolon inside the value is no comment", "[Paths]\r\nVelunor=V:\\x ; old\r\n", "Paths", "Velunor",
         "V:\\x ; old"},
        {"empty value", "[Paths]\r\nVelunor=\r\n", "Paths", "Velunor", ""},
        {"blank value", "[Paths]\r\nVelunor=   \r\n", "Paths", "Velunor", ""},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(IniValue, CutsTheValueTo254Characters) {
    const std::string longValue(300, 'x');
    EXPECT_EQ(iniValue("[Paths]\r\nResourcePath=" + longValue + "\r\n", "Paths", "ResourcePath"),
              std::string(254, 'x'));
    const std::string exact(254, 'y');
    EXPECT_EQ(iniValue("[Paths]\r\nResourcePath=" + exact + "\r\n", "Paths", "ResourcePath"), exact);
    // Quotes are removed before the cut, so they take no room.
    EXPECT_EQ(iniValue("[Paths]\r\nResourcePath=\"" + exact + "\"\r\n", "Paths", "ResourcePath"), exact);
    // Characters, not bytes: a two-byte character is never split.
    std::string accented;
    for (int i = 0; i < 260; ++i) accented += "\xC3\xA9";
    const std::string got = iniValue("[Paths]\r\nResourcePath=" + accented + "\r\n", "Paths", "ResourcePath");
    EXPECT_EQ(got, accented.substr(0, 254 * 2));
}

TEST(IniValue, FirstKeyOfTheFirstMatchingSectionWins) {
    const IniCase cases[] = {
        {"duplicate key", "[Paths]\r\nProjectPath=first\r\nProjectPath=second\r\n", "Paths", "ProjectPath",
         "first"},
        {"duplicate key in other case", "[Paths]\r\nprojectpath=first\r\nPROJECTPATH=second\r\n", "Paths",
         "ProjectPath", "first"},
        {"duplicate section: second not searched",
         "[Paths]\r\nResourcePath=r\r\n[Other]\r\nx=1\r\n[Paths]\r\nProjectPath=p\r\n", "Paths", "ProjectPath",
         ""},
        {"duplicate section back to back", "[Paths]\r\nResourcePath=r\r\n[paths]\r\nProjectPath=p\r\n", "Paths",
         "ProjectPath", ""},
        {"duplicate section: first one's value", "[Paths]\r\nProjectPath=a\r\n[Paths]\r\nProjectPath=b\r\n",
         "Paths", "ProjectPath", "a"},
        {"key of another section", "[Other]\r\nProjectPath=o\r\n[Paths]\r\nResourcePath=r\r\n", "Paths",
         "ProjectPath", ""},
        {"section after another section", "[Other]\r\nProjectPath=o\r\n[Paths]\r\nProjectPath=p\r\n", "Paths",
         "ProjectPath", "p"},
        {"key line without '=' hides a later value", "[Paths]\r\nProjectPath\r\nProjectPath=p\r\n", "Paths",
         "ProjectPath", ""},
        {"other line without '=' is skipped", "[Paths]\r\njust some words\r\nProjectPath=p\r\n", "Paths",
         "ProjectPath", "p"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(IniValue, MissingPartsAndOddLinesGiveTheEmptyString) {
    const IniCase cases[] = {
        {"empty text", "", "Paths", "ResourcePath", ""},
        {"no such section", "[Other]\r\nResourcePath=x\r\n", "Paths", "ResourcePath", ""},
        {"no such key", "[Paths]\r\nProjectPath=p\r\n", "Paths", "ResourcePath", ""},
        {"key before any section", "ResourcePath=x\r\n[Paths]\r\nProjectPath=p\r\n", "Paths", "ResourcePath",
         ""},
        {"commented key", "[Paths]\r\n;ResourcePath=x\r\n", "Paths", "ResourcePath", ""},
        {"indented commented key", "[Paths]\r\n  ; ResourcePath=x\r\n", "Paths", "ResourcePath", ""},
        {"commented section", ";[Paths]\r\nResourcePath=x\r\n", "Paths", "ResourcePath", ""},
        {"comment between keys", "[Paths]\r\n; the shared folder\r\nResourcePath=x\r\n", "Paths", "ResourcePath",
         "x"},
        {"blank lines between keys", "[Paths]\r\n\r\n   \r\nResourcePath=x\r\n", "Paths", "ResourcePath", "x"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

TEST(IniValue, ReadsEveryLineEndStyle) {
    const IniCase cases[] = {
        {"CR LF", "[Paths]\r\nA=1\r\nB=2\r\n", "Paths", "B", "2"},
        {"LF", "[Paths]\nA=1\nB=2\n", "Paths", "B", "2"},
        {"CR", "[Paths]\rA=1\rB=2\r", "Paths", "B", "2"},
        {"no final line end", "[Paths]\r\nA=1\r\nB=2", "Paths", "B", "2"},
        {"no final line end, trailing blanks", "[Paths]\nB=2  ", "Paths", "B", "2"},
        {"line end not part of the value", "[Paths]\r\nA=1\r\n", "Paths", "A", "1"},
    };
    expectValues(std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace trv
