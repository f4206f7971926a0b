#pragma once

#include "platform/platform.h"

namespace zarvik3 {

// The locale's date forms, taken again at each run; the system keeps the drive letters
// current itself.
class Win32RunConditions : public RunConditions {
  public:
    Win32RunConditions();

    void Refresh() override;
    const LocaleDateSettings& Locale() const override { return locale_; }

  private:
    LocaleDateSettings locale_;
};

}  // namespace zarvik3
