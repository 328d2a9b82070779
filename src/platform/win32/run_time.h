#pragma once

#include <string>

namespace talvoren::win32 {

// Enters the user-interface thread into a single-threaded OLE apartment, makes the run directory
// the current directory, registers the window classes. Call once, on the user-interface thread.
void initialiseRunTime();
bool isUserInterfaceThread();

// Runs until no loaded window is left; answers the exit code the loop ended with.
int runMessageLoop();
// Dispatches what is queued now, then returns.
void processPendingEvents();

using ExitRoutine = void (*)();
// One entry per routine; registering it again adds nothing.
void registerExitRoutine(ExitRoutine routine);
// The exit procedure: runs the exit routines in the order of registration, leaves OLE and answers
// `exitCode`.
int finishProgram(int exitCode);
// Empties the exit-routine list and ends the process with exit code -1.
[[noreturn]] void fatalError();

// The executable's folder without a trailing backslash, and the executable's file name.
std::string runDirectory();
std::string executableFileName();

// Top-level windows loaded by forms and not yet destroyed.
int loadedWindowCount();
void noteWindowLoaded();
// When the last loaded window is gone the loop ends.
void noteWindowGone();

}  // namespace talvoren::win32
