#pragma once

#include "platform/clock.h"

namespace zarvik3 {

class Win32Clock : public Clock {
  public:
    TDateTime Now() override;
};

}  // namespace zarvik3
