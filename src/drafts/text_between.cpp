#include "drafts/text_between.h"

namespace talvoren {
namespace {

constexpr std::string_view kQuotePlaceholder = "#引号";

std::string withQuotes(std::string_view marker) {
  std::string out;
  for (std::size_t at = 0; at < marker.size();) {
    if (marker.substr(at).starts_with(kQuotePlaceholder)) {
      out += '"';
      at += kQuotePlaceholder.size();
    } else {
      out += marker[at++];
    }
  }
  return out;
}

bool isContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view marker, bool ignoreCase) {
  if (text.size() - at < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    const char a = text[at + i], b = marker[i];
    if (ignoreCase ? asciiLower(a) != asciiLower(b) : a != b) return false;
  }
  return true;
}

// The first match at or after `from` that begins a character, or npos.
std::size_t findAtCharacterStart(std::string_view text, std::string_view marker, std::size_t from,
                                 bool ignoreCase) {
  for (std::size_t at = from; at < text.size(); ++at) {
    if (!isContinuationByte(text[at]) && matchesAt(text, at, marker, ignoreCase)) return at;
  }
  return marker.empty() && from <= text.size() ? from : std::string_view::npos;
}

}  // namespace

std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        int start, bool ignoreCase) {
  const std::string leftMarker = withQuotes(left);
  const std::string rightMarker = withQuotes(right);
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  if (from > text.size()) return {};
  const std::size_t leftAt = findAtCharacterStart(text, leftMarker, from, ignoreCase);
  if (leftAt == std::string_view::npos) return {};
  const std::size_t inside = leftAt + leftMarker.size();
  const std::size_t rightAt = findAtCharacterStart(text, rightMarker, inside, ignoreCase);
  if (rightAt == std::string_view::npos) return {};
  return std::string(text.substr(inside, rightAt - inside));
}

}  // namespace talvoren
