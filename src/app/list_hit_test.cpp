#include "app/list_hit_test.h"

#include <commctrl.h>

#include <cstddef>

namespace talvoren::app {

static_assert(offsetof(HitRecord, flags) == offsetof(LVHITTESTINFO, flags));
static_assert(offsetof(HitRecord, item) == offsetof(LVHITTESTINFO, iItem));
static_assert(offsetof(HitRecord, subItem) == offsetof(LVHITTESTINFO, iSubItem));

void subItemHitTest(HWND list, HitRecord& hit) {
  // Newer headers give the system's record a sixth field, which ours lacks: the list fills a
  // full record and the five fields are copied back.
  LVHITTESTINFO info{};
  info.pt = {hit.x, hit.y};
  info.flags = hit.flags;
  info.iItem = hit.item;
  info.iSubItem = hit.subItem;
  SendMessageW(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info));
  hit.flags = info.flags;
  hit.item = info.iItem;
  hit.subItem = info.iSubItem;
}

}  // namespace talvoren::app
