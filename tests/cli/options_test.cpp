#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv::cli {
namespace {

using Action = Invocation::Action;
using Args = std::vector<std::string>;

TEST(ParseArguments, TellsWhatTheCommandLineAsksFor) {
    struct Case {
        Args args;
        Action action;
        std::string script, ini, user;  // "-" for an option not given
        std::string error;
    };
    const Case cases[] = {
        {{"play", "s.txt"}, Action::Play, "s.txt", "-", "-", ""},
        {{"play", "s.txt", "--ini", "a b.ini", "--user", "ann"}, Action::Play, "s.txt", "a b.ini", "ann", ""},
        {{"play", "--user", "", "--ini", "-x.ini", "s.txt"}, Action::Play, "s.txt", "-x.ini", "", ""},
        {{"play", "-"}, Action::Play, "-", "-", "-", ""},
        {{"--help"}, Action::Help, "", "-", "-", ""},
        {{"-h", "play"}, Action::Help, "", "-", "-", ""},
        {{"--version"}, Action::Version, "", "-", "-", ""},
        {{"play", "s.txt", "--help"}, Action::PlayHelp, "", "-", "-", ""},
        {{"play", "-h"}, Action::PlayHelp, "", "-", "-", ""},
        {{}, Action::Error, "", "-", "-", "trv-cli: no command given (see trv-cli --help)"},
        {{"--frob"}, Action::Error, "", "-", "-", "trv-cli: unknown option '--frob' (see trv-cli --help)"},
        {{"record", "s.txt"}, Action::Error, "", "-", "-",
         "trv-cli: unknown command 'record' (see trv-cli --help)"},
        {{"play"}, Action::Error, "", "-", "-", "trv-cli: play needs a script (see trv-cli --help)"},
        {{"play", "s.txt", "--ini"}, Action::Error, "", "-", "-",
         "trv-cli: --ini needs a value (see trv-cli --help)"},
        {{"play", "s.txt", "--quiet"}, Action::Error, "", "-", "-",
         "trv-cli: unknown option '--quiet' (see trv-cli --help)"},
        {{"play", "a.txt", "b.txt"}, Action::Error, "", "-", "-",
         "trv-cli: play takes one script, not also 'b.txt' (see trv-cli --help)"},
        {{"play", "s.txt", "--version"}, Action::Error, "", "-", "-",
         "trv-cli: unknown option '--version' (see trv-cli --help)"},
        // A logon name or path that is not text is refused, not passed on.
        {{"play", "s.txt", "--user", "zo\xE9"}, Action::Error, "", "-", "-",
         "trv-cli: an argument is not valid UTF-8 text"},
        {{"play", "s\xC0\xAF.txt"}, Action::Error, "", "-", "-", "trv-cli: an argument is not valid UTF-8 text"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += "[" + a + "]";
        const Invocation i = parseArguments(c.args);
        EXPECT_EQ(i.action, c.action) << shown;
        EXPECT_EQ(i.script, c.script) << shown;
        EXPECT_EQ(i.ini.value_or("-"), c.ini) << shown;
        EXPECT_EQ(i.user.value_or("-"), c.user) << shown;
        EXPECT_EQ(i.error, c.error) << shown;
    }
}

}  // namespace
}  // namespace trv::cli
