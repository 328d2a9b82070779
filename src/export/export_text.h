#pragma once

#include <span>
#include <string>
#include <string_view>

#include "drafts/subtitle_row.h"
#include "platform/bytes.h"

namespace talvoren {

// The save style: the selection of the save-style list. 0 is plain text; every other value,
// -1 for no selection included, is SubRip.
inline constexpr int kPlainTextStyle = 0;

// The rows laid out for a file: plain text is the subtitle texts joined by CR LF; SubRip is
// numbered entries (number, time range, text on their own lines) with one empty line between
// them. No line break follows the last row; cells go in exactly as they are.
std::string buildExportText(std::span<const SubtitleRow> rows, int saveStyle);

// What an output file holds: the UTF-8 byte-order mark, then the text's UTF-8 bytes. Every
// character of the table reaches the file.
Bytes exportFileBytes(std::string_view text);

}  // namespace talvoren
