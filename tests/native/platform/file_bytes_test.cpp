#include "platform/file_bytes.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "../drafts/temp_folder.h"

namespace talvoren {
namespace {

using namespace std::string_literals;

TEST(ReadWholeFile, ReadsEveryByte) {
  test::TempFolder folder;
  const std::string bytes = "\xEF\xBB\xBF{\0\xFF\r\n}"s;
  const auto path = folder.writeFile("草稿 😀/draft_content.json", bytes);
  const FileContents contents = readWholeFile(test::TempFolder::utf8(path));
  EXPECT_EQ(contents.status, FileReadStatus::read);
  EXPECT_EQ(contents.bytes, bytes);
}

TEST(ReadWholeFile, ReadsAFileLargerThanOnePiece) {
  test::TempFolder folder;
  std::string bytes(300'001, 'x');
  bytes.back() = 'y';
  const auto path = folder.writeFile("big", bytes);
  EXPECT_EQ(fileBytes(test::TempFolder::utf8(path)), bytes);
}

TEST(ReadWholeFile, EmptyFileIsReadAsEmpty) {
  test::TempFolder folder;
  const auto path = folder.writeFile("empty", "");
  const FileContents contents = readWholeFile(test::TempFolder::utf8(path));
  EXPECT_EQ(contents.status, FileReadStatus::read);
  EXPECT_TRUE(contents.bytes.empty());
}

TEST(ReadWholeFile, MissingFileOrFolder) {
  test::TempFolder folder;
  for (const std::string name : {"none.json", "no folder/none.json"}) {
    const FileContents contents = readWholeFile(folder.text() + name);
    EXPECT_EQ(contents.status, FileReadStatus::missing) << name;
    EXPECT_TRUE(contents.bytes.empty());
  }
}

TEST(ReadWholeFile, AFolderIsNotReadable) {
  test::TempFolder folder;
  const auto sub = folder.makeFolder("draft_content.json");
  const FileContents contents = readWholeFile(test::TempFolder::utf8(sub));
  EXPECT_EQ(contents.status, FileReadStatus::unreadable);
  EXPECT_TRUE(contents.bytes.empty());
}

#ifdef _WIN32
// The editor keeps a draft open while it works on it. A writer that lets others read is read
// through; one that locks everyone out gives nothing.
TEST(ReadWholeFile, AFileOpenForWritingByAnotherProgram) {
  test::TempFolder folder;
  const auto path = folder.writeFile("held.json", "{}");
  for (const DWORD share : {DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}, DWORD{0}}) {
    HANDLE writer = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, share, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const FileContents contents = readWholeFile(test::TempFolder::utf8(path));
    CloseHandle(writer);
    EXPECT_EQ(contents.status, share ? FileReadStatus::read : FileReadStatus::unreadable);
    EXPECT_EQ(contents.bytes, share ? "{}" : "");
  }
}
#endif

}  // namespace
}  // namespace talvoren
