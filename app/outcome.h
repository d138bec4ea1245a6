#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/controls.h"
#include "platform/user_interaction.h"

namespace trv {

// Why an operation stopped, as far as a front end acts on it: a batch
// command maps it to its exit status.
enum class Reason {
    None,           // it completed, or stopped for a reason no front end tells apart
    NotConfigured,  // the office folders it needs are not configured
    NoProject,      // the project named has no readable record, or none is chosen
    Entry,          // a value given (typed, chosen, on the command line) is refused
    Exists,         // what it would make is there already
    Failed,         // the file system or a program failed it
};

// What every operation gives its front end: the messages to show, in the
// order the user sees them, and the operation's value when it completed. An
// operation that stopped has messages (its refusal last) and no value, the
// reason it stopped, and the control that gets the keyboard focus (its name
// in the window; empty for none).
template <class T>
struct Outcome {
    std::vector<std::string> messages;
    std::optional<T> value;
    Reason reason = Reason::None;
    std::string focus;

    Outcome() = default;
    // A completed outcome without messages.
    Outcome(T completed) : value(std::move(completed)) {}

    Outcome& say(std::string text) {
        messages.push_back(std::move(text));
        return *this;
    }
    // Stops with `text` as the last message.
    Outcome& refuse(std::string text, Reason why = Reason::Entry, std::string focusControl = {}) {
        value.reset();
        reason = why;
        focus = std::move(focusControl);
        return say(std::move(text));
    }
    // Takes over another outcome's messages and reason (its value is the caller's).
    template <class U>
    Outcome& sayAll(const Outcome<U>& other) {
        messages.insert(messages.end(), other.messages.begin(), other.messages.end());
        if (other.reason != Reason::None) reason = other.reason;
        if (!other.focus.empty()) focus = other.focus;
        return *this;
    }
    bool completed() const { return value.has_value(); }
};

// How every handler shows an outcome: its messages through `ui`, in order,
// then the keyboard focus into its control of `window` (and out of the
// others) when it names one.
template <class T>
void show(UserInteraction& ui, const Outcome<T>& outcome, WindowModel* window = nullptr) {
    for (const std::string& message : outcome.messages) ui.message(message);
    if (!window || outcome.focus.empty()) return;
    if (const Control* box = window->controls.find(outcome.focus))
        for (Control* c : window->controls.all()) c->focused = c == box;
}

// An operation that has nothing to give back but whether it completed.
struct Done {};

}  // namespace trv
