// Handlers whose work belongs to parts of the program that are not built yet. Each is removed
// from here when its real definition lands.
#include "app/main_window.h"
#include "app/main_window_handlers.h"

namespace talvoren::app {

void startSequence() {
  ShowWindow(mainWindow().handle(), SW_SHOW);
}
void placeDraftListWindow() {}

void onDraftFolderChanged() {}
void onSaveFolderChanged() {}
void onSaveStyleSelected() {}
void onAutoSaveModeSelected() {}
void onIntervalChanged() {}
void onAutoSaveTimer() {}

void onBrowseDraftFolder() {}
void onBrowseSaveFolder() {}
void onOpenSaveFolderPressed(int, int, int) {}
void saveTable() {}
void saveTableAs() {}

void onTableDoubleClicked(int, int, int) {}
void onTableKeyDown(int, int) {}
void onTableMouseDown(int, int, int, int) {}
void onCellEditorKeyDown(int, int) {}

}  // namespace talvoren::app
