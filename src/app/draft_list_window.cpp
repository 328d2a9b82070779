#include "app/draft_list_window.h"

#include <memory>

#include "app/main_window.h"

namespace talvoren::app {

using win32::ColumnSpec;
using win32::ControlKind;
using win32::Event;
using win32::EventArgs;

win32::WindowSpec draftListWindowSpec() {
  return {.className = L"TalvorenDraftListWindow",
          .caption = "",
          .outerWidth = 230,
          .outerHeight = 515,
          // A dialog frame without a caption: nothing to drag, no system menu, no close box.
          // Shown only once it stands beside the main window.
          .style = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN,
          // No taskbar button; always on top.
          .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
          .controls = {
              {.name = "列表框",
               .kind = ControlKind::ReportList,
               .place = {8, 8, 205, 495},
               .font = {"微软雅黑", 14},
               .columns = {ColumnSpec{"                 草稿列表", 200}, ColumnSpec{"路径", 0}}}}};
}

bool loadDraftListWindow() {
  auto owned = std::make_unique<win32::Form>(draftListWindowSpec());
  win32::Form& form = *owned;
  form.on("", Event::Created, [](const EventArgs&) { onDraftListWindowCreated(); });
  form.on("列表框", Event::DoubleClicked,
          [](const EventArgs& e) { onDraftListDoubleClicked(e.x, e.y, e.shift); });
  // Adopted before the load: its created handler finds it as the draft list window.
  adoptDraftListWindow(std::move(owned));
  if (!form.load()) return false;
  // Alt+F4 would close it otherwise; this window offers no way to be closed.
  SetClassLongPtrW(form.handle(), GCL_STYLE,
                   GetClassLongPtrW(form.handle(), GCL_STYLE) | CS_NOCLOSE);
  mainWindow().keepActiveLookWhileActive(form.handle());
  ShowWindow(form.handle(), SW_SHOWNOACTIVATE);
  return true;
}

}  // namespace talvoren::app
