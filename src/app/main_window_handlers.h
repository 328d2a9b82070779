#pragma once

namespace talvoren::app {

// The handlers of the main window's events. Each arrives with the part of the program it
// belongs to; until then it does nothing (see pending_handlers.cpp).

void startSequence();         // created
void placeDraftListWindow();  // position changed

void onDraftFolderChanged();    // 草稿路径, text changed
void onSaveFolderChanged();     // 保存路径, text changed
void onSaveStyleSelected();     // 保存样式, item selected
void onAutoSaveModeSelected();  // 自动保存模式, item selected
void onIntervalChanged();       // 时间间隔, text changed
void onAutoSaveTimer();         // 时钟, period elapsed

void onBrowseDraftFolder();                                // 路径设置1, clicked
void onBrowseSaveFolder();                                 // 路径设置2, clicked
void onOpenSaveFolderPressed(int x, int y, int keyState);  // 路径打开, left button pressed
void saveTable();                                          // 保存, clicked
void saveTableAs();                                        // 另存为, clicked

void onTableDoubleClicked(int x, int y, int keyState);          // 列表框
void onTableKeyDown(int keyCode, int keyState);                 // 列表框
void onTableMouseDown(int button, int x, int y, int keyState);  // 列表框, left or right
void onCellEditorKeyDown(int keyCode, int keyState);            // 修改框

}  // namespace talvoren::app
