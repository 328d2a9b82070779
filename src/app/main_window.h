#pragma once

#include <memory>

#include "platform/win32/form.h"

namespace talvoren::app {

// The table of the main window and its controls.
win32::WindowSpec mainWindowSpec();

// Builds the main window, binds its events to their handlers and loads it (its created event,
// the start sequence, has run when this returns). False when the window could not be created.
bool loadMainWindow();
// The main window form, valid after loadMainWindow.
win32::Form& mainWindow();

// The draft list window, when one has been loaded; nullptr before.
win32::Form* draftListWindow();
// Takes over the draft list window; the main window keeps its active look while it is active.
void adoptDraftListWindow(std::unique_ptr<win32::Form> window);

}  // namespace talvoren::app
