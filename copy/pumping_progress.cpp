#include "copy/pumping_progress.h"

namespace zarvik3 {

void PumpingProgress::Reset() {
    stopped_ = false;
}

bool PumpingProgress::KeepGoing() {
    // The platform asks only while data is left, so a finished copy is never thrown away.
    view_.ProcessEvents();
    if (values_.CancelRequested) stopped_ = true;
    return !stopped_;
}

}  // namespace zarvik3
