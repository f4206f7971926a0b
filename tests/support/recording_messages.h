#pragma once

#include <string>
#include <vector>

#include "window/message_sink.h"

namespace zarvik3::test {

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Keeps the texts of the message boxes instead of showing them.
struct RecordingMessages : MessageSink {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    bool answer = false;
};

}  // namespace zarvik3::test
