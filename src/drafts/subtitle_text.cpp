#include "drafts/subtitle_text.h"

#include "drafts/draft_tree.h"
#include "json/json_engine.h"
#include "json/json_parser.h"

namespace talvoren {
namespace {

bool isJsonBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool looksLikeJsonObject(const std::string& content) {
  const std::size_t first = content.find_first_not_of(" \t\r\n");
  if (first == std::string::npos || content[first] != '{') return false;
  std::size_t last = content.size() - 1;
  while (isJsonBlank(content[last])) --last;
  return content[last] == '}';
}

bool isMarkup(const std::string& content) {
  return !content.empty() && content.front() == '<' && content.back() == '>';
}

// The "text" member of a JSON object text, when it is a string.
bool textMember(const std::string& content, JsonEngine& scratch, std::string& text) {
  scratch.reset();
  const JsonParseResult parsed = parseJson(content, scratch);
  if (!parsed.ok) return false;
  scratch.setRoot(parsed.value);
  const DraftTree tree(scratch);
  std::string_view member;
  if (!tree.stringView(tree.member(tree.root(), "text"), member)) return false;
  text = member;
  return true;
}

}  // namespace

std::string textWithoutMarkup(const std::string& markup) {
  std::string text;
  text.reserve(markup.size());
  for (std::size_t at = 0; at < markup.size();) {
    const std::size_t open = markup.find('<', at);
    const std::size_t close = open == std::string::npos ? open : markup.find('>', open + 1);
    if (close == std::string::npos) {
      text.append(markup, at);
      break;
    }
    text.append(markup, at, open - at);
    at = close + 1;
  }
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

std::string subtitleText(const std::string& content, JsonEngine& scratch) {
  std::string text;
  if (looksLikeJsonObject(content) && textMember(content, scratch, text)) return text;
  if (isMarkup(content)) return textWithoutMarkup(content);
  return content;
}

}  // namespace talvoren
