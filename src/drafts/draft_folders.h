#pragma once

#include <string>
#include <vector>

#include "platform/directory_listing.h"

namespace talvoren {

// A draft of the draft list: its folder name (also the draft's name) and its folder path.
using DraftFolder = DirectoryEntry;

// The drafts of a draft folder, as the draft list shows them: every sub-folder matching
// folderText + "*", in the system's order. See listDirectories for the folder text rule.
inline std::vector<DraftFolder> listDraftFolders(const std::string& folderText) {
  return listDirectories(folderText);
}

}  // namespace talvoren
