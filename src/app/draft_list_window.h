#pragma once

#include "platform/win32/form.h"

namespace talvoren::app {

// The table of the draft list window and its one control, the draft list 列表框.
win32::WindowSpec draftListWindowSpec();

// Builds the draft list window, binds its events and loads it beside the main window, replacing
// any draft list window loaded before. Its created handler has placed it and started the listing
// of the drafts when this returns. False when the window could not be created.
bool loadDraftListWindow();

// The draft list window's created handler: places it and starts the listing thread.
void onDraftListWindowCreated();

// The OS generation code of the version numbers the system reports to this process.
int osGenerationCode();

// The draft list's double-click handler: imports the draft of the row under (x, y), in the list's
// client pixels. The key state is not used.
void onDraftListDoubleClicked(int x, int y, int keyState);

}  // namespace talvoren::app
