#include "ui/handler_guard.h"

#include <exception>

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

}  // namespace zarvik3
