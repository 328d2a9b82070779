#pragma once

#include <string>

namespace talvoren::bench {

// A made-up draft_content.json with `subtitles` text materials, shaped like the editor's recent
// drafts: an empty first video track, video and audio tracks, the text segments spread over three
// text tracks in an order that is not the materials' order, every segment naming its material by
// id, contents alternating between rich-text JSON (both member orders) and the three markup forms,
// and about 2 KB of style fields per subtitle. Deterministic.
std::string generateSubtitleDraft(int subtitles);

// The words and the time range the reader must give for subtitle k of such a draft.
std::string generatedWords(int k);
std::string generatedTimeRange(int k);

}  // namespace talvoren::bench
