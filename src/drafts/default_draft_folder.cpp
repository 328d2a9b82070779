#include "drafts/default_draft_folder.h"

#include "drafts/text_between.h"

namespace talvoren {

std::string defaultDraftFolder(std::string_view desktopPath) {
  std::string desktop(desktopPath);
  if (!desktop.empty() && desktop.back() != '\\') desktop += '\\';
  return "C:\\Users\\" + textBetween(desktop, "\\Users\\", "\\") +
         "\\AppData\\Local\\JianyingPro\\User Data\\Projects\\com.lveditor.draft\\";
}

}  // namespace talvoren
