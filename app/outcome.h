#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trv {

// What an operation gives its handler: the messages to show, in the order
// the user sees them, and the operation's value when it completed. An
// operation that stopped has messages (its refusal last) and no value.
template <class T>
struct Outcome {
    std::vector<std::string> messages;
    std::optional<T> value;

    Outcome& say(std::string text) {
        messages.push_back(std::move(text));
        return *this;
    }
    // Stops with `text` as the last message.
    Outcome& refuse(std::string text) {
        value.reset();
        return say(std::move(text));
    }
    // Takes over another outcome's messages (its value is the caller's).
    template <class U>
    Outcome& sayAll(const Outcome<U>& other) {
        messages.insert(messages.end(), other.messages.begin(), other.messages.end());
        return *this;
    }
    bool completed() const { return value.has_value(); }
};

// An operation that has nothing to give back but whether it completed.
struct Done {};

}  // namespace trv
