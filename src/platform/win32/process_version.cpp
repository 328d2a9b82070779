#include "platform/win32/process_version.h"

#include <winternl.h>

#include <cstddef>

namespace talvoren::win32 {
namespace {

// OSMajorVersion and OSMinorVersion follow each other in the block; the public headers leave
// them unnamed, so they are found by their documented offsets.
#ifdef _WIN64
constexpr std::ptrdiff_t kVersionOffset = 0x118;
#else
constexpr std::ptrdiff_t kVersionOffset = 0xA4;
#endif

unsigned char* processEnvironmentBlock() {
  PROCESS_BASIC_INFORMATION basic{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                            nullptr);
  return reinterpret_cast<unsigned char*>(basic.PebBaseAddress);
}

}  // namespace

ProcessVersionFields& processVersionFields() {
  // The block stays where it is for the life of the process.
  static unsigned char* const block = processEnvironmentBlock();
  static ProcessVersionFields unknown{0, 0};
  return block ? *reinterpret_cast<ProcessVersionFields*>(block + kVersionOffset) : unknown;
}

}  // namespace talvoren::win32
