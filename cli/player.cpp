#include "cli/player.h"

#include <ostream>

#include "app/program.h"
#include "cli/script.h"
#include "platform/text.h"
#include "ui/application.h"

namespace trv::cli {

std::string ScriptSystem::settingsFile() {
    return settingsFile_.empty() ? NativePlatform::settingsFile() : settingsFile_;
}

std::string ScriptSystem::logonName() { return userSet_ ? user_ : NativePlatform::logonName(); }

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

bool isList(ControlKind k) {
    return k == ControlKind::ComboBox || k == ControlKind::PickList || k == ControlKind::ListBox;
}

bool acceptsTyping(ControlKind k) { return k == ControlKind::TextBox || k == ControlKind::ComboBox; }

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

void Player::execute(const std::vector<std::string>& words) {
    if (words.empty()) return;
    const std::string& cmd = words[0];
    auto need = [&](std::size_t n) {
        if (words.size() != n) {
            error(cmd + " takes " + std::to_string(n - 1) + " word(s)");
            return false;
        }
        return true;
    };
    auto kindOf = [&](const std::string& name) {
        const auto [windowName, controlName] = splitControlName(name);
        const ui::WindowDescription* desc = app_.desc(windowName);
        const ui::ControlDescription* c = desc ? desc->find(controlName) : nullptr;
        return c ? c->kind : ControlKind::Label;
    };

    if (cmd == "shell") {
        if (!need(2)) return;
        try {
            system_.setShellResult(std::stoi(words[1]));
        } catch (const std::exception&) {
            error("shell takes a number");
        }
        return;
    }
    if (cmd == "close") {
        if (!need(2)) return;
        if (!app_.window(words[1])) return error("unknown window " + words[1]);
        driver_.close(words[1]);
        return;
    }
    if (const auto own = commands_.find(cmd); own != commands_.end()) {
        if (!need(own->second.first + 1)) return;
        const std::string failure = own->second.second(words);
        if (!failure.empty()) error(failure);
        return;
    }

    const bool takesText = cmd == "choose" || cmd == "type" || cmd == "set" || cmd == "expect";
    if (takesText ? !need(3) : !need(2)) return;
    if (cmd == "print" && words[1].find('.') == std::string::npos && app_.window(words[1])) {
        const WindowModel* w = app_.window(words[1]);
        out_ << words[1] << (w->visible ? " is shown" : w->loaded ? " is hidden" : " is not loaded") << '\n';
        return;
    }
    Control* c = findControl(words[1]);
    if (!c) return;
    const ControlKind kind = kindOf(words[1]);
    const auto [windowName, controlName] = splitControlName(words[1]);
    const ScriptControl target{windowName, controlName, *c, kind};

    // What the user does needs the control on screen; code (set, clear) does not.
    if (cmd == "click" || cmd == "choose" || cmd == "type") {
        const WindowModel* w = app_.window(windowName);
        if (!w->visible) return error(words[1] + ": its window is not on show");
        if (!c->visible) return error(words[1] + " is hidden");
    }

    if (cmd == "click") {
        driver_.click(target);
    } else if (cmd == "choose") {
        const auto& items = c->items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == words[2]) {
                driver_.choose(target, static_cast<int>(i));
                return;
            }
        }
        error("no entry \"" + words[2] + "\" in " + words[1]);
    } else if (cmd == "type") {
        if (!acceptsTyping(kind)) return error(words[1] + " does not accept typing");
        // One character at a time, each one a change.
        const std::string& text = words[2];
        for (std::size_t i = 0; i < text.size();) {
            std::size_t len = 1;
            const auto b = static_cast<unsigned char>(text[i]);
            if (b >= 0xF0) len = 4;
            else if (b >= 0xE0) len = 3;
            else if (b >= 0xC0) len = 2;
            driver_.typeCharacter(target, text.substr(i, len));
            i += len;
            if (app_.program().ended) return;
        }
    } else if (cmd == "set") {
        driver_.setText(target, words[2]);
    } else if (cmd == "clear") {
        driver_.setText(target, "");
    } else if (cmd == "print") {
        out_ << words[1] << " = \"" << escapeLineBreaks(c->text()) << '"';
        if (isList(kind)) out_ << " index=" << c->listIndex();
        if (!c->visible) out_ << " hidden";
        if (!c->enabled) out_ << " disabled";
        out_ << '\n';
    } else if (cmd == "items") {
        const auto& items = c->items();
        out_ << words[1] << " has " << items.size() << (items.size() == 1 ? " entry" : " entries") << '\n';
        for (const auto& item : items) out_ << "  \"" << item << "\"\n";
    } else if (cmd == "expect") {
        if (c->text() != words[2]) {
            out_ << "FAIL line " << lineNumber_ << ": " << words[1] << " is \"" << escapeLineBreaks(c->text())
                 << "\", expected \"" << words[2] << "\"\n";
            expectFailed_ = true;
        }
    } else {
        error("unknown command " + cmd);
    }
}

}  // namespace trv::cli
