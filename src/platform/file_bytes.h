#pragma once

#include <string>

#include "platform/bytes.h"

namespace talvoren {

enum class FileReadStatus { read, missing, unreadable };

struct FileContents {
  FileReadStatus status = FileReadStatus::missing;
  Bytes bytes;  // empty unless read
};

// Reads a whole file (path in UTF-8). On Windows the file is opened sharing reads, writes and
// deletes, so a draft the editor still holds open is read all the same.
FileContents readWholeFile(const std::string& path);

// The file's bytes; empty when it cannot be read.
inline Bytes fileBytes(const std::string& path) {
  return readWholeFile(path).bytes;
}

}  // namespace talvoren
