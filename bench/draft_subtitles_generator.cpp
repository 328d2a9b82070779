#include "draft_subtitles_generator.h"

#include <cstdio>

namespace talvoren::bench {
namespace {

constexpr long long kStep = 1'500'000;  // microseconds from one subtitle to the next
constexpr long long kLength = 1'400'000;

std::string materialId(int k) {
  char id[48];
  std::snprintf(id, sizeof id, "%08X-5A1B-4c2d-9E8F-%012d", 0x1000 + k * 7, k);
  return id;
}

// The content as the editor writes it: a JSON string holding JSON or markup.
std::string content(int k) {
  const std::string words = generatedWords(k);
  const std::string style =
      R"(\"styles\":[{\"fill\":{\"alpha\":1.0,\"content\":{\"render_type\":\"solid\",\"solid\":)"
      R"({\"alpha\":1.0,\"color\":[1.0,1.0,1.0]}}},\"font\":{\"id\":\"\",\"path\":\"C:/Program )"
      R"(Files/JianyingPro/Resources/Font/SystemFont/zh-hans.ttf\"},\"range\":[0,12],)"
      R"(\"size\":5.0,\"bold\":false,\"italic\":false,\"underline\":false,\"strokes\":[]}])";
  switch (k % 5) {
    case 0:
      return R"({\"text\":\")" + words + R"(\",)" + style + "}";
    case 1:
      return "{" + style + R"(,\"text\":\")" + words + R"(\"})";
    case 2:
      return R"(<font id=\"\" path=\"C:/Fonts/zh-hans.ttf\"><color=(1.000000, 1.000000, )"
             R"(1.000000, 1.000000)><size=15.000000>[)" +
             words + "]</size></color></font>";
    case 3:
      return R"(<useLetterColor><size=15><color=(0,0,0,1)><font id=\"\" path=\"C:/en.ttf\">[)" +
             words + "]</font></color></size></useLetterColor>";
    default:
      return R"(<font id=\"\" face=\"\">)" + words + "</font>";
  }
}

std::string textMaterial(int k) {
  return R"({"add_type":0,"alignment":1,"background_alpha":1.0,"background_color":"",)"
         R"("bold_width":0.0,"border_color":"","border_width":0.08,"check_flag":7,)"
         R"("combo_info":{"text_templates":[]},"content":")" +
         content(k) +
         R"(","font_category_id":"","font_name":"","font_path":"C:/Fonts/zh.ttf",)"
         R"("font_size":5.0,"global_alpha":1.0,"has_shadow":false,"id":")" +
         materialId(k) +
         R"(","initial_scale":1.0,"italic_degree":0,"ktv_color":"","letter_spacing":0.0,)"
         R"("line_spacing":0.02,"name":"","shadow_alpha":0.9,"shadow_angle":-45.0,)"
         R"("shadow_color":"","shadow_distance":5.0,"shadow_point":{"x":0.6,"y":-0.6},)"
         R"("style_name":"","sub_type":0,"text_alpha":1.0,"text_color":"#FFFFFF",)"
         R"("text_size":30,"text_to_audio_ids":[],"type":"subtitle","typesetting":0,)"
         R"("underline":false,"underline_offset":0.22,"underline_width":0.05,"use_effect_default_color":true,)"
         R"("words":{"end_time":[],"start_time":[],"text":[]}})";
}

std::string segment(const std::string& id, long long start, long long duration) {
  return R"({"cartoon":false,"clip":{"alpha":1.0,"flip":{"horizontal":false,"vertical":false},)"
         R"("rotation":0.0,"scale":{"x":1.0,"y":1.0},"transform":{"x":0.0,"y":-0.8}},)"
         R"("common_keyframes":[],"enable_adjust":true,"enable_color_curves":true,)"
         R"("extra_material_refs":["8D2C6A0E-1F3B-4A5C-9D7E-0F1A2B3C4D5E"],"id":"S-)" +
         id +
         R"(","intensifies_audio":false,"is_placeholder":false,"keyframe_refs":[],)"
         R"("last_nonzero_volume":1.0,"material_id":")" +
         id +
         R"(","render_index":14000,"reverse":false,"source_timerange":null,"speed":1.0,)"
         R"("target_timerange":{"duration":)" +
         std::to_string(duration) + R"(,"start":)" + std::to_string(start) +
         R"(},"track_attribute":0,"track_render_index":1,"visible":true,"volume":1.0})";
}

std::string track(const char* type, const std::string& segments) {
  return R"({"attribute":0,"flag":0,"id":"T-)" + std::string(type) +
         R"(","is_default_name":true,"name":"","segments":[)" + segments + R"(],"type":")" + type +
         R"("})";
}

}  // namespace

std::string generatedWords(int k) {
  static const char* const kWords[] = {"这才是生活", "Xin chào các bạn 😀", "默认文本",
                                       "老大杨继业和老二杨袖娥是龙凤胎", "Teşekkürler"};
  return std::string(kWords[k % 5]) + " " + std::to_string(k);
}

std::string generatedTimeRange(int k) {
  auto stamp = [](long long us) {
    const long long s = us / 1'000'000;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld,%03lld", s / 3600, s % 3600 / 60, s % 60,
                  us / 1000 % 1000);
    return std::string(text);
  };
  const long long start = k * kStep;
  return stamp(start) + " --> " + stamp(start + kLength);
}

std::string generateSubtitleDraft(int subtitles) {
  std::string texts, textTracks[3], videos;
  for (int k = 0; k < subtitles; ++k) {
    if (k) texts += ',';
    texts += textMaterial(k);
  }
  // Text segments go round the three text tracks, each track in reverse material order.
  for (int k = subtitles - 1; k >= 0; --k) {
    std::string& into = textTracks[k % 3];
    if (!into.empty()) into += ',';
    into += segment(materialId(k), k * kStep, kLength);
  }
  for (int v = 0; v < subtitles / 10 + 1; ++v) {
    if (v) videos += ',';
    videos += segment("V-" + std::to_string(v), v * 10 * kStep, 10 * kStep);
  }
  return R"({"canvas_config":{"height":1080,"ratio":"original","width":1920},"duration":)" +
         std::to_string(subtitles * kStep) +
         R"(,"fps":30.0,"id":"D-1","materials":{"audios":[],"texts":[)" + texts +
         R"(],"videos":[]},"tracks":[)" + track("video", "") + "," + track("video", videos) + "," +
         track("audio", segment("A-1", 0, subtitles * kStep)) + "," + track("text", textTracks[0]) +
         "," + track("text", textTracks[1]) + "," + track("text", textTracks[2]) +
         R"(],"version":360000})";
}

}  // namespace talvoren::bench
