#pragma once

#include "window/message_sink.h"

namespace zarvik3 {

// The program's message boxes, captioned with the application title.
class MessageBoxSink : public MessageSink {
  public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& message) override;
    bool AskYesNo(const std::string& question) override;
};

}  // namespace zarvik3
