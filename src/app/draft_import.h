#pragma once

#include <string>

namespace talvoren::app {

// Reads the draft in `folder` (without a trailing backslash) into the subtitle table, replacing
// its rows, and reports the outcome in part 0 of the status bar under the current draft name.
// The draft list is disabled while it runs and enabled again on every way out.
void importDraft(const std::string& folder);

// After a double-click import: in auto-save mode 1 the table is saved once. Arrives with saving;
// until then it does nothing.
void saveAfterImport();

}  // namespace talvoren::app
