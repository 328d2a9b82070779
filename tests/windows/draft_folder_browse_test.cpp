#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "draft_test_drafts.h"
#include "platform/win32/folder_browser.h"

namespace talvoren::test {
namespace {

// The folder dialog answered by the test, as a user would answer it; the real one comes back.
class DraftFolderBrowseTest : public DraftWindowsTest {
 protected:
  void SetUp() override {
    DraftWindowsTest::SetUp();
    saved = std::exchange(win32::folderBrowser(), [this](HWND owner, std::string_view prompt) {
      ++asked;
      seenOwner = owner;
      seenPrompt = prompt;
      return answer;
    });
  }
  void TearDown() override {
    win32::folderBrowser() = std::move(saved);
    DraftWindowsTest::TearDown();
  }
  // The user's click on the browse button.
  void clickBrowse() {
    const HWND button = app::mainWindow().control("路径设置1").handle();
    click(button, {12, 12});
  }
  std::string draftFolderBox() { return app::mainWindow().edit("草稿路径").text(); }

  win32::FolderBrowser saved;
  std::string answer;
  int asked = 0;
  HWND seenOwner = nullptr;
  std::string seenPrompt;
};

TEST_F(DraftFolderBrowseTest, AsksWithItsPromptOwnedByTheActiveWindow) {
  SetActiveWindow(window);
  pumpMessages();
  answer = "";
  clickBrowse();
  ASSERT_EQ(asked, 1);
  EXPECT_EQ(seenPrompt, "请选择‘com.lveditor.draft’文件夹");
  EXPECT_EQ(seenOwner, window);
}

TEST_F(DraftFolderBrowseTest, TheChosenFolderGetsATrailingBackslash) {
  const struct {
    const char* chosen;
    const char* box;
  } cases[] = {
      {"C:\\Users\\user1\\drafts", "C:\\Users\\user1\\drafts\\"},
      {"D:\\", "D:\\\\"},  // a drive root gets its second backslash
      {"E:\\草稿 😀", "E:\\草稿 😀\\"},
  };
  for (const auto& c : cases) {
    answer = c.chosen;
    clickBrowse();
    EXPECT_EQ(draftFolderBox(), c.box) << c.chosen;
  }
}

TEST_F(DraftFolderBrowseTest, CancellingLeavesTheBoxAndTheListAsTheyWere) {
  drafts.makeFolder("A");
  listDrafts(1);
  const std::string before = draftFolderBox();
  answer = "";
  clickBrowse();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(draftFolderBox(), before);
  answer = "C:\\elsewhere";
  clickBrowse();
  EXPECT_EQ(draftFolderBox(), "C:\\elsewhere\\");
  EXPECT_EQ(draftList().rowCount(), 1) << "the list is not filled again";
  EXPECT_EQ(draftList().cell(0, 0), "A");
}

// What the real dialog showed, read while it is open; then it is cancelled as a user would.
struct SeenDialog {
  HWND dialog = nullptr;
  HWND owner = nullptr;
  bool showsPrompt = false;
  bool hasEditField = false;
};
SeenDialog seenDialog;

BOOL CALLBACK lookAtChild(HWND child, LPARAM) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (std::wstring(className) == L"Edit") seenDialog.hasEditField = true;
  if (textOf(child) == "请选择‘com.lveditor.draft’文件夹") seenDialog.showsPrompt = true;
  return TRUE;
}

BOOL CALLBACK findDialog(HWND top, LPARAM) {
  wchar_t className[32] = {};
  GetClassNameW(top, className, 32);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(top)) return TRUE;
  seenDialog.dialog = top;
  return FALSE;
}

void CALLBACK cancelTheDialog(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), findDialog, 0);
  if (!seenDialog.dialog) return;  // not open yet: the timer comes again
  KillTimer(nullptr, id);
  seenDialog.owner = GetWindow(seenDialog.dialog, GW_OWNER);
  EnumChildWindows(seenDialog.dialog, lookAtChild, 0);
  PostMessageW(seenDialog.dialog, WM_COMMAND, IDCANCEL, 0);
}

using RealFolderDialogTest = DraftWindowsTest;

TEST_F(RealFolderDialogTest, ShowsThePromptAndAnEditFieldOwnedByItsOwnerAndCancels) {
  seenDialog = {};
  SetTimer(nullptr, 0, 50, cancelTheDialog);
  EXPECT_EQ(win32::browseForFolder(window, "请选择‘com.lveditor.draft’文件夹"), "");
  ASSERT_NE(seenDialog.dialog, nullptr);
  EXPECT_EQ(seenDialog.owner, window);
  EXPECT_TRUE(seenDialog.showsPrompt);
  EXPECT_TRUE(seenDialog.hasEditField);
}

}  // namespace
}  // namespace talvoren::test
