#include "platform/directory_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace talvoren {
namespace {

struct DirectoryCloser {
  void operator()(DIR* directory) const { closedir(directory); }
};

bool isDirectory(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

// The search pattern folderText + "*" is emulated: what follows the last '/' is a name prefix.
std::vector<DirectoryEntry> listDirectories(const std::string& folderText) {
  const std::size_t slash = folderText.rfind('/');
  const std::string parent = slash == std::string::npos ? "" : folderText.substr(0, slash + 1);
  const std::string prefix = folderText.substr(parent.size());
  std::vector<DirectoryEntry> entries;
  std::unique_ptr<DIR, DirectoryCloser> directory(opendir(parent.empty() ? "." : parent.c_str()));
  if (!directory) return entries;
  while (const dirent* entry = readdir(directory.get())) {
    const std::string name = entry->d_name;
    if (name.empty() || name == "." || name == "..") continue;
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    if (!isDirectory(parent + name)) continue;
    entries.push_back({name, folderText + name});
  }
  return entries;
}

}  // namespace talvoren
