#include "platform/file_bytes.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace talvoren {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

FileContents readWholeFile(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? FileReadStatus::missing : FileReadStatus::unreadable, {}};
  }
  FileContents contents{FileReadStatus::read, {}};
  // The size is only a hint for the buffer (a folder reports a meaningless one); reading goes on
  // to the end, since a file may change while we read it.
  struct stat status {};
  if (fstat(fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    contents.bytes.reserve(static_cast<std::size_t>(status.st_size));
  }
  char buffer[1 << 16];
  while (true) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    contents.bytes.append(buffer, got);
    if (got < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return {FileReadStatus::unreadable, {}};
  return contents;
}

}  // namespace talvoren
