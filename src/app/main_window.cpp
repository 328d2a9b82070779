#include "app/main_window.h"

#include "app/main_window_handlers.h"
#include "app/program.h"

namespace talvoren::app {
namespace {

using win32::Event;
using win32::EventArgs;

struct Windows {
  std::unique_ptr<win32::Form> main;
  std::unique_ptr<win32::Form> draftList;
};

Windows& windows() {
  static Windows instance;
  return instance;
}

win32::Handler plain(void (*handler)()) {
  return [handler](const EventArgs&) { handler(); };
}

void bindEvents(win32::Form& form) {
  form.on("", Event::Created, plain(startSequence));
  form.on("", Event::PositionChanged, plain(placeDraftListWindow));
  form.on("", Event::Destroying, plain(onMainWindowDestroying));
  form.on("草稿路径", Event::TextChanged, plain(onDraftFolderChanged));
  form.on("保存路径", Event::TextChanged, plain(onSaveFolderChanged));
  form.on("保存样式", Event::ItemSelected, plain(onSaveStyleSelected));
  form.on("自动保存模式", Event::ItemSelected, plain(onAutoSaveModeSelected));
  form.on("时间间隔", Event::TextChanged, plain(onIntervalChanged));
  form.on("时钟", Event::TimerElapsed, plain(onAutoSaveTimer));
  form.on("路径设置1", Event::Clicked, plain(onBrowseDraftFolder));
  form.on("路径设置2", Event::Clicked, plain(onBrowseSaveFolder));
  form.on("路径打开", Event::MouseDown, [](const EventArgs& e) {
    if (e.button == 1) onOpenSaveFolderPressed(e.x, e.y, e.shift);
  });
  form.on("保存", Event::Clicked, plain(saveTable));
  form.on("另存为", Event::Clicked, plain(saveTableAs));
  form.on("列表框", Event::DoubleClicked,
          [](const EventArgs& e) { onTableDoubleClicked(e.x, e.y, e.shift); });
  form.on("列表框", Event::KeyDown, [](const EventArgs& e) { onTableKeyDown(e.keyCode, e.shift); });
  form.on("列表框", Event::MouseDown, [](const EventArgs& e) {
    if (e.button == 1 || e.button == 2) onTableMouseDown(e.button, e.x, e.y, e.shift);
  });
  form.on("修改框", Event::KeyDown,
          [](const EventArgs& e) { onCellEditorKeyDown(e.keyCode, e.shift); });
}

}  // namespace

bool loadMainWindow() {
  auto form = std::make_unique<win32::Form>(mainWindowSpec());
  bindEvents(*form);
  windows().main = std::move(form);
  if (win32::Form* draftList = draftListWindow()) {
    windows().main->keepActiveLookWhileActive(draftList->handle());
  }
  return windows().main->load();
}

win32::Form& mainWindow() {
  return *windows().main;
}

win32::Form* draftListWindow() {
  return windows().draftList.get();
}

void adoptDraftListWindow(std::unique_ptr<win32::Form> window) {
  windows().draftList = std::move(window);
  if (windows().main && windows().draftList) {
    windows().main->keepActiveLookWhileActive(windows().draftList->handle());
  }
}

}  // namespace talvoren::app
