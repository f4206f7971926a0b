#pragma once

#include "text/date_time.h"

namespace zarvik3 {

class Clock {
  public:
    virtual ~Clock() = default;
    // Local date and time with milliseconds.
    virtual TDateTime Now() = 0;
};

}  // namespace zarvik3
