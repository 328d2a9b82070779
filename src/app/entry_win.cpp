#include <windows.h>

#include "app/program.h"
#include "platform/win32/run_time.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return talvoren::win32::finishProgram(talvoren::app::main());
}
