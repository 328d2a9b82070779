#include "app/program.h"

#include "app/main_window.h"
#include "app/shared_state.h"
#include "platform/win32/run_time.h"

namespace talvoren::app {

int main() {
  win32::initialiseRunTime();
  createSharedState();
  win32::registerExitRoutine(shutdownRoutine);
  if (!loadMainWindow()) win32::fatalError();
  win32::runMessageLoop();
  return 0;
}

void shutdownRoutine() {
  std::unique_ptr<SharedState> state = takeSharedState();
  if (!state) return;
  state->currentDraftName.clear();
  state->settingsPath.clear();
  state->tableHit = {};
  state->draftHit = {};
  if (state->json) {
    state->json->destroy();
    state->json.reset();
  }
}

void onMainWindowDestroying() {
  // Deferred by the run time: the draft list window goes after the main window, and only then
  // does the loop end.
  win32::Form* draftList = draftListWindow();
  if (draftList && draftList->isLoaded()) draftList->destroy();
}

}  // namespace talvoren::app
