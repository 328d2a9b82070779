#include "app/draft_import.h"
#include "app/draft_list_window.h"
#include "app/list_hit_test.h"
#include "app/main_window.h"
#include "app/shared_state.h"

namespace talvoren::app {

void onDraftListDoubleClicked(int x, int y, int) {
  win32::Form* window = draftListWindow();
  if (!window) return;
  win32::ReportList& list = window->reportList("列表框");
  HitRecord& hit = sharedState().draftHit;
  hit.x = x;
  hit.y = y;
  subItemHitTest(list.handle(), hit);
  if (hit.item < 0 || hit.subItem < 0) return;
  sharedState().currentDraftName = list.cell(hit.item, 0);
  importDraft(list.cell(hit.item, 1));
  saveAfterImport();
}

}  // namespace talvoren::app
