#include "json_draft_generator.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace talvoren::bench {

namespace {

class Writer {
 public:
  explicit Writer(uint32_t seed) : state_(seed * 2654435761u + 1) {}

  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

  void raw(std::string_view s) {
    out += s;
    first_ = false;
  }
  void name(std::string_view n) {
    if (!first_) out += ',';
    first_ = false;
    out += '"';
    out += n;
    out += "\":";
  }
  void open(char c) {
    out += c;
    first_ = true;
  }
  void close(char c) {
    out += c;
    first_ = false;
  }
  void member(std::string_view n, std::string_view quoted) {
    name(n);
    out += '"';
    out += quoted;
    out += '"';
  }
  void number(std::string_view n, double v) {
    name(n);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    out += buffer;
  }
  void integer(std::string_view n, long long v) {
    name(n);
    out += std::to_string(v);
  }
  void flag(std::string_view n, bool v) {
    name(n);
    out += v ? "true" : "false";
  }
  std::string id() {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%08X-%04X-%04x-%04X-%08X%04X", next(), next() & 0xFFFF,
                  next() & 0xFFFF, next() & 0xFFFF, next(), next() & 0xFFFF);
    return buffer;
  }
  double fraction() { return (next() % 1000000) / 1000000.0; }

  std::string out;

 private:
  uint32_t state_;
  bool first_ = true;
};

constexpr std::string_view kWords[] = {"\xE4\xBB\x8A\xE5\xA4\xA9",  // 今天
                                       "\xE6\x88\x91\xE4\xBB\xAC",  // 我们
                                       "\xE5\xAD\x97\xE5\xB9\x95",  // 字幕
                                       "hello",
                                       "world",
                                       "subtitle",
                                       "\xF0\x9F\x98\x80",  // an emoji
                                       "\\\"quoted\\\"",
                                       "\\\\n",
                                       "caf\xC3\xA9",
                                       "\xEA\xB0\x80\xEB\x82\x98"};  // Korean

void textMaterial(Writer& w, const std::string& id, int k) {
  w.open('{');
  w.integer("add_type", 2);
  w.integer("alignment", 1);
  w.number("background_alpha", 1.0);
  w.member("background_color", "");
  w.number("background_height", 0.14);
  w.number("border_width", 0.08);
  w.name("caption_template_info");
  w.open('{');
  for (std::string_view n : {"category_id", "category_name", "effect_id", "path", "request_id",
                             "resource_id", "resource_name"})
    w.member(n, "");
  w.flag("is_new", false);
  w.close('}');
  w.integer("check_flag", 7);
  // The subtitle itself: JSON inside a string, as newer editors write it.
  std::string words;
  int count = 3 + static_cast<int>(w.next() % 8);
  for (int i = 0; i < count; ++i) {
    if (i) words += ' ';
    words += kWords[w.next() % std::size(kWords)];
  }
  std::string content = "{\\\"text\\\":\\\"" + words + " " + std::to_string(k) +
                        "\\\",\\\"styles\\\":[{\\\"fill\\\":{\\\"content\\\":{\\\"solid\\\":{"
                        "\\\"color\\\":[1,0.8352941274642944,0.6000000238418579]}}},"
                        "\\\"font\\\":{\\\"path\\\":\\\"C:/Fonts/SourceHanSans.ttf\\\","
                        "\\\"id\\\":\\\"\\\"},\\\"size\\\":10,\\\"range\\\":[0,9]}]}";
  w.member("content", content);
  w.name("current_words");
  w.raw("{\"end_time\":[],\"start_time\":[],\"text\":[]}");
  w.number("fixed_height", -1.0);
  w.number("fixed_width", 400 + 300 * w.fraction());
  w.member("font_path", "C:/Users/someone/AppData/Local/Fonts/SourceHanSans.ttf");
  w.number("font_size", 10.0);
  w.member("id", id);
  w.number("letter_spacing", 0.0);
  w.number("line_spacing", 0.02);
  w.integer("line_max_width", 82);
  w.flag("shadow_smoothing", true);
  w.number("text_alpha", 1.0);
  w.member("text_color", "#FFFFFF");
  w.member("type", "subtitle");
  w.member("words", "");
  w.close('}');
}

void segment(Writer& w, const std::string& materialId, long long start, long long duration) {
  w.open('{');
  w.raw(
      "\"caption_info\":null,\"cartoon\":false,\"clip\":{\"alpha\":1.0,\"flip\":{\"horizontal\""
      ":false,\"vertical\":false},\"rotation\":0.0,\"scale\":{\"x\":1.0,\"y\":1.0},"
      "\"transform\":{\"x\":0.0,\"y\":");
  char y[32];
  std::snprintf(y, sizeof y, "%.17g}}", -0.66 - 0.1 * w.fraction());
  w.raw(y);
  w.member("desc", "");
  for (std::string_view n : {"enable_adjust", "enable_color_curves", "enable_hsl", "enable_lut",
                             "enable_video_mask", "is_loop", "is_placeholder", "reverse"})
    w.flag(n, (w.next() & 3) == 0);
  w.name("extra_material_refs");
  w.raw("[\"" + w.id() + "\"]");
  w.member("id", w.id());
  w.number("last_nonzero_volume", 1.0);
  w.member("material_id", materialId);
  w.integer("render_index", 14000 + static_cast<long long>(w.next() % 1000));
  w.name("render_timerange");
  w.raw("{\"duration\":0,\"start\":0}");
  w.member("source", "segmentsourcenormal");
  w.name("source_timerange");
  w.raw("null");
  w.number("speed", 1.0);
  w.name("target_timerange");
  w.raw("{\"duration\":" + std::to_string(duration) + ",\"start\":" + std::to_string(start) + "}");
  w.integer("track_render_index", 1);
  w.number("volume", 1.0);
  w.close('}');
}

}  // namespace

GeneratedDraft generateDraft(size_t bytes, uint32_t seed) {
  Writer w(seed);
  // Each subtitle costs about 1.75 KB of text in these shapes.
  int subtitles = static_cast<int>(bytes / 1750) + 1;
  std::vector<std::string> ids;
  ids.reserve(static_cast<size_t>(subtitles));
  for (int k = 0; k < subtitles; ++k) ids.push_back(w.id());
  w.out.reserve(bytes + bytes / 8);
  w.open('{');
  w.name("canvas_config");
  w.raw("{\"height\":1080,\"ratio\":\"original\",\"width\":1920}");
  w.member("id", w.id());
  w.integer("duration", 4000000LL * subtitles);
  w.name("materials");
  w.open('{');
  w.name("texts");
  w.open('[');
  for (int k = 0; k < subtitles; ++k) {
    if (k) w.raw(",");
    textMaterial(w, ids[static_cast<size_t>(k)], k);
  }
  w.close(']');
  w.name("videos");
  w.raw("[]");
  w.close('}');
  w.name("tracks");
  w.open('[');
  w.raw("{\"attribute\":0,\"flag\":0,\"id\":\"" + w.id() +
        "\",\"segments\":[],\"type\":\"video\"}");
  w.raw(",{\"attribute\":0,\"flag\":1,\"id\":\"" + w.id() + "\",\"segments\":[");
  for (int k = 0; k < subtitles; ++k) {
    if (k) w.raw(",");
    segment(w, ids[static_cast<size_t>(k)], 4000000LL * k, 1000000 + w.next() % 3000000);
  }
  w.raw("],\"type\":\"text\"}");
  w.close(']');
  w.member("version", "360000");
  w.close('}');
  return {std::move(w.out), subtitles};
}

}  // namespace talvoren::bench
