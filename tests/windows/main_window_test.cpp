#include <gtest/gtest.h>

#include "app/main_window.h"
#include "platform/win32/run_time.h"

namespace talvoren::app {
namespace {

TEST(MainWindow, Loads) {
  win32::initialiseRunTime();
  ASSERT_TRUE(loadMainWindow());
  EXPECT_TRUE(IsWindowVisible(mainWindow().handle()));
  PostMessageW(mainWindow().handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(win32::runMessageLoop(), 0);
}

}  // namespace
}  // namespace talvoren::app
