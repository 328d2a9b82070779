#include "platform/win32/controls.h"

namespace talvoren::win32 {

void Timer::setPeriod(int milliseconds) {
  const int period = milliseconds < 0 ? 0 : milliseconds;
  if (period == period_) return;
  period_ = period;
  if (!owner_) return;
  if (period == 0) {
    KillTimer(owner_, id_);
  } else {
    // SetTimer on a running id starts its count afresh.
    SetTimer(owner_, id_, static_cast<UINT>(period), nullptr);
  }
}

}  // namespace talvoren::win32
