#pragma once

namespace talvoren::app {

// The program's entry: prepares the run time and the shared state, registers the shutdown
// routine, loads the main window and runs the loop until no window is left. Answers 0; the exit
// routines run afterwards, in the run time's exit procedure.
int main();

// Releases the shared state; runs after both windows are gone.
void shutdownRoutine();

// The main window's about-to-be-destroyed handler.
void onMainWindowDestroying();

}  // namespace talvoren::app
