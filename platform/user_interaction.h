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

    // ---- progress of a long operation ----
    // The operation runs on the one thread, to its end; these let the front
    // end show that it works and let the user stop it. By default nothing
    // shows and nothing stops (trv-cli prints no progress).

    // Work begins: the busy pointer, and a progress window titled `title`.
    virtual void beginProgress(const std::string& title) { (void)title; }
    // Between two steps: `done` steps so far, `current` the one about to
    // start. The progress window repaints; no other window takes input.
    // False once the user has asked to cancel: the operation stops there.
    virtual bool progress(int done, const std::string& current) {
        (void)done;
        (void)current;
        return true;
    }
    // Work ends: the progress window goes, the normal pointer is back.
    virtual void endProgress() {}
};

}  // namespace trv
