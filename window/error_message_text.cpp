#include "window/error_message_text.h"

namespace zarvik3 {

std::string ErrorMessageText(const std::string& message) {
    // Bytes compare unsigned, so a message ending in a non-ASCII character gets the dot too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

}  // namespace zarvik3
