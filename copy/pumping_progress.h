#pragma once

#include "copy/copy_view.h"
#include "copy/process_values.h"
#include "platform/file_system.h"

namespace zarvik3 {

// Keeps the window alive during a long copy and lets Cancel stop it between chunks.
class PumpingProgress : public CopyProgress {
  public:
    PumpingProgress(CopyView& view, const ProcessValues& values) : view_(view), values_(values) {}

    bool KeepGoing() override;

    // Called before each copy.
    void Reset();
    // Whether the copy in hand was stopped by Cancel.
    bool Stopped() const { return stopped_; }

  private:
    CopyView& view_;
    const ProcessValues& values_;
    bool stopped_ = false;
};

}  // namespace zarvik3
