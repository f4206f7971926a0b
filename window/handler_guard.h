#pragma once

#include <functional>

#include "window/message_sink.h"

namespace zarvik3 {

// Wraps every event handler: an error escaping it ends the handler, is shown in the error
// box and the event loop goes on. The result tells the close handler whether to close.
class HandlerGuard {
  public:
    explicit HandlerGuard(MessageSink& messages) : messages_(messages) {}

    // False when the handler ended with an error.
    bool Run(const std::function<void()>& handler) noexcept;

    // The close handler: on an error the user is asked whether to close all the same, so a
    // save that cannot succeed never holds the window open for good. True to close.
    bool RunClose(const std::function<void()>& handler) noexcept;

  private:
    MessageSink& messages_;
};

}  // namespace zarvik3
