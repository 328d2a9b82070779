#include "platform/directory_listing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../drafts/temp_folder.h"

namespace talvoren {
namespace {

// The system's order is not ours to test; compare as sets.
std::vector<DirectoryEntry> sorted(std::vector<DirectoryEntry> entries) {
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return entries;
}

void expectEntries(const std::vector<DirectoryEntry>& actual,
                   const std::vector<DirectoryEntry>& expected) {
  const auto got = sorted(actual);
  const auto want = sorted(expected);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].name, want[i].name);
    EXPECT_EQ(got[i].path, want[i].path);
  }
}

TEST(ListDirectories, ListsSubFoldersWithTheirPathsAndNoFiles) {
  test::TempFolder folder;
  folder.makeFolder("A");
  folder.makeFolder("B");
  folder.writeFile("c.txt", "not a draft");
  const std::string f = folder.text();
  expectEntries(listDirectories(f), {{"A", f + "A"}, {"B", f + "B"}});
}

TEST(ListDirectories, NamesWithChineseSpacesAndEmoji) {
  test::TempFolder folder;
  const std::string names[] = {"草稿 一", "  leading spaces", "😀 emoji", "draft.with.dots"};
  for (const auto& name : names) folder.makeFolder(name);
  folder.makeFolder("草稿 一/nested");  // only the first level is listed
  const std::string f = folder.text();
  std::vector<DirectoryEntry> expected;
  for (const auto& name : names) expected.push_back({name, f + name});
  expectEntries(listDirectories(f), expected);
}

TEST(ListDirectories, EmptyOrMissingFolderGivesNothing) {
  test::TempFolder folder;
  EXPECT_TRUE(listDirectories(folder.text()).empty());
  folder.writeFile("only a file", "x");
  EXPECT_TRUE(listDirectories(folder.text()).empty());
  EXPECT_TRUE(listDirectories(folder.text() + "missing" + folder.text().back()).empty());
}

TEST(ListDirectories, FolderTextWithoutSeparatorMatchesNamesInItsParent) {
  test::TempFolder folder;
  folder.makeFolder("drafts/inside");
  folder.makeFolder("drafts2");
  folder.makeFolder("draft");  // shorter than the prefix: no match
  folder.makeFolder("other");
  folder.writeFile("drafts.txt", "x");
  const std::string f = folder.text() + "drafts";
  expectEntries(listDirectories(f), {{"drafts", f + "drafts"}, {"drafts2", f + "drafts2"}});
}

}  // namespace
}  // namespace talvoren
