#include "drafts/draft_list_placement.h"

namespace talvoren {

int osGenerationCodeFor(uint32_t major, uint32_t minor) {
  if (major <= 4) return 4;
  if (major == 5) {
    constexpr int kXpFamily[] = {5, 6, 7};
    return minor < 3 ? kXpFamily[minor] : 12;
  }
  if (major == 6) {
    constexpr int kVistaFamily[] = {8, 9, 10, 11, 12};
    return minor < 5 ? kVistaFamily[minor] : 0;
  }
  return 12;
}

WindowOrigin draftListWindowOrigin(int osGenerationCode, int mainLeft, int mainTop, int mainWidth) {
  // Newer frames carry an invisible resize border, so the windows overlap a little to touch.
  if (osGenerationCode == 12) return {mainLeft + mainWidth - 5, mainTop};
  return {mainLeft + mainWidth + 2, mainTop - 5};
}

}  // namespace talvoren
