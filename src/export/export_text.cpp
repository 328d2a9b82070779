#include "export/export_text.h"

#include "platform/number_text.h"

namespace talvoren {

std::string buildExportText(std::span<const SubtitleRow> rows, int saveStyle) {
  std::string text;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (saveStyle == kPlainTextStyle) {
      if (i > 0) text += "\r\n";
      text += rows[i].text;
    } else {
      if (i > 0) text += "\r\n\r\n";
      text += integerToText(static_cast<int64_t>(i + 1));
      text += "\r\n";
      text += rows[i].timeRange;
      text += "\r\n";
      text += rows[i].text;
    }
  }
  return text;
}

Bytes exportFileBytes(std::string_view text) {
  Bytes bytes = "\xEF\xBB\xBF";
  bytes += text;
  return bytes;
}

}  // namespace talvoren
