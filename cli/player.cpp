#include "cli/player.h"

#include <ostream>

#include "app/program.h"
#include "cli/script.h"
#include "platform/text.h"
#include "ui/application.h"

namespace trv::cli {

void ScriptInteraction::message(const std::string& text) { out_ << "message: " << escapeLineBreaks(text) << '\n'; }

void ScriptInteraction::chooseProgramFor(const std::string& path) {
    out_ << "shell openas: " << system_.displayPath(path) << '\n';
}

void ScriptInteraction::runModal(const std::string& windowName) {
    if (modal_) modal_(windowName);
}

int ScriptSystem::openDocument(const std::string& path) {
    out_ << "shell open: " << displayPath(path) << '\n';
    if (!fileExists(path)) return shellFileNotFound;
    return shellResult_;
}

void ScriptSystem::startProgram(const std::string& program, const std::string& argument) {
    // A program that is not there cannot start, as a real start would fail.
    if (!fileExists(program)) throw RuntimeFailure("cannot start " + displayPath(program));
    out_ << "start: " << displayPath(program) << ' ' << displayPath(argument) << '\n';
}

namespace {

using ui::ControlKind;

// "CONTROL" names a control of the main window, "WINDOW.CONTROL" one of another window.
std::pair<std::string, std::string> splitControlName(const std::string& name) {
    const auto dot = name.find('.');
    if (dot == std::string::npos) return {"Form1", name};
    return {name.substr(0, dot), name.substr(dot + 1)};
}

}  // namespace

void ModelDriver::click(const ScriptControl& c) {
    if (c.model.enabled) c.model.click();
}

void ModelDriver::choose(const ScriptControl& c, int index) { c.model.setListIndex(index); }

void ModelDriver::typeCharacter(const ScriptControl& c, const std::string& character) {
    c.model.setText(c.model.text() + character);
}

void ModelDriver::setText(const ScriptControl& c, const std::string& text) { c.model.setText(text); }

void ModelDriver::close(const std::string& windowName) { app_.close(windowName); }

Player::Player(ui::Application& app, ScriptSystem& system, ScriptInteraction& interaction, std::ostream& out,
               ControlDriver* driver)
    : app_(app),
      system_(system),
      out_(out),
      ownDriver_(driver ? nullptr : std::make_unique<ModelDriver>(app)),
      driver_(driver ? *driver : *ownDriver_) {
    interaction.setModalRunner([this](const std::string& name) { runModal(name); });
    // The script's words: the name, the words after it, what it does.
    static const struct {
        const char* name;
        std::size_t words;
        std::string (Player::*run)(const Words&);
    } builtIn[] = {
        {"shell", 1, &Player::shell},   {"close", 1, &Player::close}, {"click", 1, &Player::click},
        {"choose", 2, &Player::choose}, {"type", 2, &Player::type},   {"set", 2, &Player::set},
        {"clear", 1, &Player::clear},   {"print", 1, &Player::print}, {"items", 1, &Player::items},
        {"expect", 2, &Player::expect},
    };
    for (const auto& command : builtIn)
        addCommand(command.name, command.words,
                   [this, run = command.run](const Words& words) { return (this->*run)(words); });
}

void Player::addCommand(const std::string& name, std::size_t words, Command command) {
    commands_[name] = {words, std::move(command)};
}

int Player::play(const std::vector<std::string>& lines) {
    lines_ = lines;
    next_ = 0;
    app_.start();
    if (app_.program().ended) {
        out_ << "program ends\n";
        return expectFailed_ ? 1 : 0;
    }
    run(nullptr);
    if (scriptError_) return 2;
    return expectFailed_ ? 1 : 0;
}

void Player::run(const std::string* modalWindow) {
    Program& p = app_.program();
    while (next_ < lines_.size() && !scriptError_ && !p.ended) {
        if (modalWindow) {
            const WindowModel* w = app_.window(*modalWindow);
            if (!w || !w->visible) return;
        }
        std::string line = lines_[next_++];
        lineNumber_ = next_;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        // What a script types must be text, as what a person types is.
        if (!isValidUtf8(line)) {
            error("not valid UTF-8 text");
            return;
        }
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        out_ << "> " << line.substr(first) << '\n';
        const auto words = splitWords(line);
        if (!words) {
            error("unclosed quote");
            return;
        }
        execute(*words);
        if (p.ended && !endAnnounced_ && !modalWindow) {
            endAnnounced_ = true;
            out_ << "program ends\n";
        }
    }
}

void Player::runModal(const std::string& windowName) {
    Program& p = app_.program();
    std::string text;
    if (windowName == p.hyperlnk.name) text = p.hyperlnk.Label4.text();
    out_ << "window " << windowName << ": " << escapeLineBreaks(text) << '\n';
    run(&windowName);
    // A script that ends while the window is open closes it with its close box.
    if (WindowModel* w = app_.window(windowName)) w->unload();
}

void Player::error(const std::string& what) {
    out_ << "ERROR line " << lineNumber_ << ": " << what << '\n';
    scriptError_ = true;
}

Control* Player::findControl(const std::string& name) {
    const auto [windowName, controlName] = splitControlName(name);
    WindowModel* w = app_.window(windowName);
    if (!w) {
        error("unknown window " + windowName);
        return nullptr;
    }
    Control* c = w->controls.find(controlName);
    if (!c) {
        error("unknown control " + name);
        return nullptr;
    }
    return c;
}

void Player::execute(const Words& words) {
    if (words.empty()) return;
    const auto found = commands_.find(words[0]);
    // A word that is no command is taken for one on a control, so that a
    // control name that is wrong too is what the error names.
    const std::size_t taken = found == commands_.end() ? 1 : found->second.words;
    if (words.size() != taken + 1) return error(words[0] + " takes " + std::to_string(taken) + " word(s)");
    if (found == commands_.end()) {
        if (findControl(words[1])) error("unknown command " + words[0]);
        return;
    }
    const std::string failure = found->second.run(words);
    if (!failure.empty()) error(failure);
}

std::optional<ScriptControl> Player::target(const std::string& name, bool byUser) {
    Control* c = findControl(name);
    if (!c) return std::nullopt;
    const auto [windowName, controlName] = splitControlName(name);
    const ui::WindowDescription* desc = app_.desc(windowName);
    const ui::ControlDescription* d = desc ? desc->find(controlName) : nullptr;
    if (byUser) {
        if (!app_.window(windowName)->visible) {
            error(name + ": its window is not on show");
            return std::nullopt;
        }
        if (!c->visible) {
            error(name + " is hidden");
            return std::nullopt;
        }
    }
    return ScriptControl{windowName, controlName, *c, d ? d->kind : ControlKind::Label};
}

std::string Player::shell(const Words& words) {
    try {
        system_.setShellResult(std::stoi(words[1]));
    } catch (const std::exception&) {
        return "shell takes a number";
    }
    return {};
}

std::string Player::close(const Words& words) {
    if (!app_.window(words[1])) return "unknown window " + words[1];
    driver_.close(words[1]);
    return {};
}

std::string Player::click(const Words& words) {
    if (const auto c = target(words[1], true)) driver_.click(*c);
    return {};
}

std::string Player::choose(const Words& words) {
    const auto c = target(words[1], true);
    if (!c) return {};
    const auto& items = c->model.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == words[2]) {
            driver_.choose(*c, static_cast<int>(i));
            return {};
        }
    }
    return "no entry \"" + words[2] + "\" in " + words[1];
}

std::string Player::type(const Words& words) {
    const auto c = target(words[1], true);
    if (!c) return {};
    if (!ui::acceptsTyping(c->kind)) return words[1] + " does not accept typing";
    // One character at a time, each one a change.
    const std::string& text = words[2];
    for (std::size_t i = 0; i < text.size() && !app_.program().ended;) {
        const std::size_t length = charLengthAt(text, i);
        driver_.typeCharacter(*c, text.substr(i, length));
        i += length;
    }
    return {};
}

std::string Player::set(const Words& words) {
    if (const auto c = target(words[1], false)) driver_.setText(*c, words[2]);
    return {};
}

std::string Player::clear(const Words& words) {
    if (const auto c = target(words[1], false)) driver_.setText(*c, "");
    return {};
}

std::string Player::print(const Words& words) {
    if (words[1].find('.') == std::string::npos) {
        if (const WindowModel* w = app_.window(words[1])) {
            out_ << words[1]
                 << (w->visible  ? " is shown"
                     : w->loaded ? " is hidden"
                                 : " is not loaded")
                 << '\n';
            return {};
        }
    }
    const auto c = target(words[1], false);
    if (!c) return {};
    out_ << words[1] << " = \"" << escapeLineBreaks(c->model.text()) << '"';
    if (ui::isListKind(c->kind)) out_ << " index=" << c->model.listIndex();
    if (!c->model.visible) out_ << " hidden";
    if (!c->model.enabled) out_ << " disabled";
    out_ << '\n';
    return {};
}

std::string Player::items(const Words& words) {
    const auto c = target(words[1], false);
    if (!c) return {};
    const auto& items = c->model.items();
    out_ << words[1] << " has " << items.size() << (items.size() == 1 ? " entry" : " entries") << '\n';
    for (const auto& item : items) out_ << "  \"" << item << "\"\n";
    return {};
}

std::string Player::expect(const Words& words) {
    const auto c = target(words[1], false);
    if (c && c->model.text() != words[2]) {
        out_ << "FAIL line " << lineNumber_ << ": " << words[1] << " is \""
             << escapeLineBreaks(c->model.text()) << "\", expected \"" << words[2] << "\"\n";
        expectFailed_ = true;
    }
    return {};
}

}  // namespace trv::cli
