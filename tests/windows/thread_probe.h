#pragma once

#include <windows.h>

#include <tlhelp32.h>

namespace talvoren::test {

// Threads of this process. Under Wine a test process has only its own thread besides those the
// program starts, such as the draft list's listing thread, which nothing in the program waits for.
inline int threadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

inline bool onlyThisThreadRuns() {
  return threadsOfThisProcess() == 1;
}

}  // namespace talvoren::test
