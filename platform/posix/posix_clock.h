#pragma once

#include "platform/clock.h"

namespace zarvik3 {

class PosixClock : public Clock {
  public:
    TDateTime Now() override;
};

}  // namespace zarvik3
