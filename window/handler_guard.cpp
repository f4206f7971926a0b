#include "window/handler_guard.h"

#include <exception>
#include <string>

#include "window/error_message_text.h"

namespace zarvik3 {

bool HandlerGuard::Run(const std::function<void()>& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        messages_.ShowError(error.what());
    } catch (...) {
        // Nothing may unwind through Qt's event dispatch.
        messages_.ShowError("Unknown error");
    }
    return false;
}

bool HandlerGuard::RunClose(const std::function<void()>& handler) noexcept {
    std::string failure;
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "Unknown error";
    }
    try {
        return messages_.AskYesNo(ErrorMessageText(failure) +
                                  "\n\nClose without saving the settings?");
    } catch (...) {
        return false;  // no answer: stay open, as before the question existed
    }
}

}  // namespace zarvik3
