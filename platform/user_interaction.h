#pragma once

#include <string>

namespace trv {

// What a person sees and answers, supplied by the front end: Qt widgets in
// the GUI, lines of a transcript in trv-cli.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A message box with an OK button only, no icon, title "TRV".
    virtual void message(const std::string& text) = 0;
    // The chooser of programs for a file; throws RuntimeFailure when it
    // cannot be shown.
    virtual void chooseProgramFor(const std::string& path) = 0;
    // Shows the named window modally and returns when it has been closed.
    virtual void runModal(const std::string& windowName) = 0;
};

}  // namespace trv
