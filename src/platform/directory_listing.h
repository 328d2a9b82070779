#pragma once

#include <string>
#include <vector>

namespace talvoren {

struct DirectoryEntry {
  std::string name;  // UTF-8
  std::string path;  // the folder text followed directly by the name
};

// The sub-folders matching folderText + "*", in the order the system gives them; "." and ".." are
// left out. The folder text is used exactly as given: with a trailing separator it lists the
// folder's contents, without one it lists the names in its parent that begin with its last
// component (and the paths then run folder text and name together). Nothing found, or a folder
// that does not exist, gives an empty list.
std::vector<DirectoryEntry> listDirectories(const std::string& folderText);

}  // namespace talvoren
