#include "cli/options.h"

#include <gtest/gtest.h>

#include <map>
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
        EXPECT_EQ(i.play.script, c.script) << shown;
        EXPECT_EQ(i.play.ini.value_or("-"), c.ini) << shown;
        EXPECT_EQ(i.play.user.value_or("-"), c.user) << shown;
        EXPECT_EQ(i.error, c.error) << shown;
    }
}

TEST(ReadArguments, StopsAtTheFirstProblem) {
    using Kind = ArgumentError::Kind;
    struct Case {
        Args args;
        bool lastValueWins;
        std::string read;  // words, then option=value, "help", or the error's kind and word
    };
    const Case cases[] = {
        {{"w", "--a", "1", "--f"}, false, "w a=1 f"},
        {{"--a", "--help", "-"}, false, "- a=--help"},
        {{"--a", "1", "--a", "2"}, true, "a=2"},
        {{"--a", "1", "--a", "2", "--frob"}, false, "twice --a"},
        {{"w", "-x"}, false, "unknown -x"},
        {{"--a"}, false, "needs --a"},
        {{"v", "w"}, false, "extra w"},
        {{"v", "-h", "--frob"}, false, "help"},
    };
    for (const Case& c : cases) {
        const auto read = readArguments(c.args, Syntax{{"--a"}, {"--f"}, 1, c.lastValueWins});
        std::vector<std::string> parts;
        if (const auto* e = std::get_if<ArgumentError>(&read)) {
            const std::map<Kind, std::string> kinds = {{Kind::NeedsValue, "needs"},
                                                       {Kind::GivenTwice, "twice"},
                                                       {Kind::UnknownOption, "unknown"},
                                                       {Kind::ExtraWord, "extra"}};
            parts = {kinds.at(e->kind), e->word};
        } else {
            const Arguments& a = std::get<Arguments>(read);
            if (a.help) parts.push_back("help");
            parts.insert(parts.end(), a.words.begin(), a.words.end());
            for (const auto& [name, value] : a.values) parts.push_back(name.substr(2) + "=" + value);
            for (const auto& f : a.flags) parts.push_back(f.substr(2));
        }
        std::string got;
        for (const auto& part : parts) got += (got.empty() ? "" : " ") + part;
        EXPECT_EQ(got, c.read) << c.args.size();
    }
}

}  // namespace
}  // namespace trv::cli
