#pragma once

#include <string>

namespace zarvik3 {

// Where the window's messages go: a modal box in the program, a recorder in tests.
class MessageSink {
  public:
    virtual ~MessageSink() = default;

    // The plain message box: caption, text, one OK button, no icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // The standard error box for an error that escaped a handler.
    virtual void ShowError(const std::string& message) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
};

}  // namespace zarvik3
