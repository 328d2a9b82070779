#pragma once

#include <windows.h>

#include "app/shared_state.h"

namespace talvoren::app {

// LVM_SUBITEMHITTEST for the point of `hit`, in the list's client pixels: fills in its flags,
// item and sub-item (below 0 when the point is on no row).
void subItemHitTest(HWND list, HitRecord& hit);

}  // namespace talvoren::app
