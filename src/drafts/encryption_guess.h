#pragma once

#include <string_view>

namespace talvoren {

// Whether bytes that did not load as JSON look like an encrypted draft rather than broken JSON
// text. The newest editor versions write drafts that are binary or one long base64-like line.
// Judged on the first few kilobytes: the text does not start with '{' or '[' and it is either
// mostly not text (control bytes, bytes that are not UTF-8) or almost only base64 characters.
bool looksEncrypted(std::string_view bytes);

}  // namespace talvoren
