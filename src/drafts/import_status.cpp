#include "drafts/import_status.h"

#include "platform/number_text.h"

namespace talvoren {
namespace {

std::string progress(int64_t row, int64_t rowCount) {
  return "[ " + integerToText(row) + "/ " + integerToText(rowCount) + "]";
}

}  // namespace

std::string parsingStatusText(std::string_view draftName, int64_t row, int64_t rowCount) {
  return " 草稿：" + std::string(draftName) + "  解析中" + progress(row, rowCount);
}

std::string parsedStatusText(std::string_view draftName, int64_t row, int64_t rowCount) {
  return " 草稿：" + std::string(draftName) + "  解析成功！" + progress(row, rowCount);
}

std::string noSubtitlesStatusText(std::string_view draftName) {
  return " 草稿：" + std::string(draftName) + "  无字幕工程";
}

std::string importStatusText(std::string_view draftName, int64_t row, int64_t rowCount) {
  if (rowCount <= 0) return noSubtitlesStatusText(draftName);
  return row == rowCount ? parsedStatusText(draftName, row, rowCount)
                         : parsingStatusText(draftName, row, rowCount);
}

}  // namespace talvoren
