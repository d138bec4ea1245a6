#include "cli/options.h"

#include "platform/text.h"

namespace trv::cli {

namespace {

Invocation failure(std::string what) {
    Invocation i;
    i.error = "trv-cli: " + std::move(what) + " (see trv-cli --help)";
    return i;
}

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto it = values.find(option);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::variant<Arguments, ArgumentError> readArguments(const std::vector<std::string>& args,
                                                     const Syntax& syntax) {
    using Kind = ArgumentError::Kind;
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (isHelp(word)) {
            Arguments help;
            help.help = true;
            return help;
        }
        if (syntax.valued.count(word)) {
            if (i + 1 == args.size()) return ArgumentError{Kind::NeedsValue, word};
            if (a.values.count(word) && !syntax.lastValueWins) return ArgumentError{Kind::GivenTwice, word};
            a.values[word] = args[++i];
        } else if (syntax.flags.count(word)) {
            a.flags.insert(word);
        } else if (word.size() > 1 && word.starts_with("-")) {
            return ArgumentError{Kind::UnknownOption, word};
        } else if (a.words.size() == syntax.maxWords) {
            return ArgumentError{Kind::ExtraWord, word};
        } else {
            a.words.push_back(word);
        }
    }
    return a;
}

std::optional<std::string> argumentNotText(const std::vector<std::string>& args) {
    for (const auto& arg : args)
        if (!isValidUtf8(arg)) return std::string("trv-cli: an argument is not valid UTF-8 text");
    return std::nullopt;
}

Invocation parseArguments(const std::vector<std::string>& args, bool takesScreenshots) {
    if (auto refusal = argumentNotText(args)) {
        Invocation i;
        i.error = std::move(*refusal);
        return i;
    }
    if (args.empty()) return failure("no command given");
    const std::string& command = args[0];
    Invocation result;
    if (isHelp(command)) {
        result.action = Invocation::Action::Help;
        return result;
    }
    if (command == "--version") {
        result.action = Invocation::Action::Version;
        return result;
    }
    if (command != "play") {
        return failure((command.starts_with("-") ? "unknown option '" : "unknown command '") + command + "'");
    }

    Syntax play{{"--ini", "--user"}, {}, 1, true};
    if (takesScreenshots) play.valued.insert("--screenshots");
    const auto read = readArguments({args.begin() + 1, args.end()}, play);
    if (const auto* error = std::get_if<ArgumentError>(&read)) {
        switch (error->kind) {
            case ArgumentError::Kind::NeedsValue:
                return failure(error->word + " needs a value");
            case ArgumentError::Kind::ExtraWord:
                return failure("play takes one script, not also '" + error->word + "'");
            case ArgumentError::Kind::GivenTwice:
            case ArgumentError::Kind::UnknownOption:
                break;
        }
        return failure("unknown option '" + error->word + "'");
    }
    const Arguments& a = std::get<Arguments>(read);
    if (a.help) {
        result.action = Invocation::Action::PlayHelp;
        return result;
    }
    if (a.words.empty()) return failure("play needs a script");
    result.action = Invocation::Action::Play;
    result.play = {a.words[0], a.value("--ini"), a.value("--user"), a.value("--screenshots")};
    return result;
}

const char* helpText() {
    return "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]\n"
           "       trv-cli check | name | projects | config check | controls ...\n"
           "       trv-cli --help | --version\n"
           "\n"
           "TRV without a screen. It starts TRV exactly as the window does, plays a\n"
           "script of user actions against its windows and prints a transcript of\n"
           "what a user would see.\n"
           "\n"
           "Commands:\n"
           "  play SCRIPT    plays SCRIPT (see trv-cli play --help)\n"
           "  check, name, projects, config check, controls\n"
           "                 batch commands, below; their exit status is their own\n"
           "  --help, -h     shows this help\n"
           "  --version      shows the version\n"
           "\n"
           "Exit status:\n"
           "  0  the script ran to its end (or the help or version was shown)\n"
           "  1  an expect line of the script failed\n"
           "  2  a command-line error, a script that cannot be read, or an error in\n"
           "     the script (an unknown command, window, control or list entry)\n";
}

const char* playHelpText() {
    return "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]\n"
           "\n"
           "Starts TRV as the window does and plays SCRIPT against its windows.\n"
           "\n"
           "  --ini PATH     reads PATH instead of trv.ini beside the program\n"
           "  --user NAME    uses NAME instead of the logon name\n"
           "\n"
           "The script holds one command a line; # starts a comment. Words are\n"
           "separated by blanks; a word in double quotes may hold blanks and \"\" is\n"
           "the empty word. A control is CONTROL on the main window or\n"
           "WINDOW.CONTROL on another window.\n"
           "\n"
           "  click C          a click on a button or label\n"
           "  choose C TEXT    picks the list entry TEXT\n"
           "  type C TEXT      types TEXT at the end, one character at a time\n"
           "  set C TEXT       replaces the whole text at once\n"
           "  clear C          empties the text\n"
           "  close WINDOW     the window's close box\n"
           "  print C          prints the text (list index, hidden, disabled)\n"
           "  print WINDOW     prints whether the window is shown\n"
           "  items C          prints the entries of a list\n"
           "  expect C TEXT    the text must be TEXT, else a FAIL line\n"
           "  shell N          from now on opening a document through the shell\n"
           "                   answers N (default 42)\n"
           "\n"
           "The transcript shows message boxes as \"message: ...\", a modal window as\n"
           "\"window NAME: ...\", the shell's operations as \"shell open:\", \"shell\n"
           "openas:\" and \"start:\" lines (nothing is really opened or started) and\n"
           "the end of the program as \"program ends\".\n"
           "\n"
           "Exit status:\n"
           "  0  the script ran to its end\n"
           "  1  an expect line failed (the script still runs to its end)\n"
           "  2  an error in the command line or the script; the transcript's\n"
           "     \"ERROR line N:\" line says which; the script stops there\n";
}

const char* versionText() { return "trv-cli " TRV_VERSION "\n"; }

}  // namespace trv::cli
