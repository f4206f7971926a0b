#pragma once

#include "platform/file_system.h"

namespace zarvik3::test {

// Answers yes to every question; counts how often it was asked.
struct CountingProgress : CopyProgress {
    int calls = 0;
    bool KeepGoing() override {
        ++calls;
        return true;
    }
};

}  // namespace zarvik3::test
