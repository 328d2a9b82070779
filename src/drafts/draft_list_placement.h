#pragma once

#include <cstdint>

namespace talvoren {

// The small classification of a Windows version (major.minor as the system reports it to the
// process) that decides where the draft list window stands. Only 12 changes the placement.
int osGenerationCodeFor(uint32_t major, uint32_t minor);

struct WindowOrigin {
  int left = 0;
  int top = 0;
  bool operator==(const WindowOrigin&) const = default;
};

// Where the draft list window's outer frame begins, beside a main window whose outer frame
// starts at mainLeft, mainTop and is mainWidth wide. Never clamped to the screen.
WindowOrigin draftListWindowOrigin(int osGenerationCode, int mainLeft, int mainTop, int mainWidth);

}  // namespace talvoren
