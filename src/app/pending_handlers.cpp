// Handlers whose work belongs to parts of the program that are not built yet. Each is removed
// from here when its real definition lands.
#include "app/draft_import.h"
#include "app/draft_list_window.h"
#include "app/main_window.h"
#include "app/main_window_handlers.h"
#include "drafts/default_draft_folder.h"
#include "platform/win32/shell_folders.h"

namespace talvoren::app {

// Until the start sequence arrives with the settings: the default draft folder and the draft
// list window, so that drafts can already be opened.
void startSequence() {
  ShowWindow(mainWindow().handle(), SW_SHOW);
  mainWindow().edit("草稿路径").setText(defaultDraftFolder(win32::desktopFolder()));
  loadDraftListWindow();
}

void onDraftFolderChanged() {}
void onSaveFolderChanged() {}
void onSaveStyleSelected() {}
void onAutoSaveModeSelected() {}
void onIntervalChanged() {}
void onAutoSaveTimer() {}

void onBrowseSaveFolder() {}
void onOpenSaveFolderPressed(int, int, int) {}
void saveTable() {}
void saveTableAs() {}
void saveAfterImport() {}

void onTableDoubleClicked(int, int, int) {}
void onTableKeyDown(int, int) {}
void onTableMouseDown(int, int, int, int) {}
void onCellEditorKeyDown(int, int) {}

}  // namespace talvoren::app
