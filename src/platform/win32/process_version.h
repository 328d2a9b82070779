#pragma once

#include <windows.h>

namespace talvoren::win32 {

// The version numbers the system reports to this process, where it keeps them: in the process
// environment block. Compatibility rules applied to the executable change these fields, so they
// may differ from the installed version.
struct ProcessVersionFields {
  ULONG major;
  ULONG minor;
};

ProcessVersionFields& processVersionFields();

}  // namespace talvoren::win32
