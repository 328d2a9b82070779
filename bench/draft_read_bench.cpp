// How long reading a draft into rows takes: generated drafts of 10,000 and 200,000 subtitles, a
// draft file of about 300 MB, and the largest real draft. Plain timing; figures on standard output.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "draft_subtitles_generator.h"
#include "drafts/draft_reading.h"
#include "json/json_document.h"
#include "platform/file_bytes.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;
using namespace talvoren;

double milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1e3;
}

// This thread's processor time: on a busy machine it says what the work costs when the wall
// clock also counts other programs.
double cpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing {
  double best = 0, median = 0, bestCpu = 0;
};

template <typename Work>
Timing timeRuns(int runs, Work work) {
  std::vector<double> times, cpuTimes;
  for (int i = 0; i < runs; ++i) {
    const double cpuStart = cpuMilliseconds();
    const auto start = Clock::now();
    work();
    times.push_back(milliseconds(Clock::now() - start));
    cpuTimes.push_back(cpuMilliseconds() - cpuStart);
  }
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2],
          *std::min_element(cpuTimes.begin(), cpuTimes.end())};
}

// Writes the draft into a folder of its own, as the editor keeps it.
fs::path writeDraft(const fs::path& root, const std::string& name, const std::string& text) {
  const fs::path folder = root / name;
  fs::create_directories(folder);
  std::ofstream(folder / kDraftFileName, std::ios::binary) << text;
  return folder;
}

bool rowsAsGenerated(const DraftReading& reading, int subtitles) {
  if (reading.rows.size() != static_cast<std::size_t>(subtitles)) return false;
  for (int k : {0, subtitles / 2, subtitles - 1}) {
    if (reading.rows[k].text != bench::generatedWords(k)) return false;
    if (reading.rows[k].timeRange != bench::generatedTimeRange(k)) return false;
  }
  return true;
}

void benchGenerated(const fs::path& root, int subtitles, int runs) {
  const std::string text = bench::generateSubtitleDraft(subtitles);
  const fs::path folder = writeDraft(root, std::to_string(subtitles), text);
  DraftReading reading;
  JsonDocument document;
  const Timing whole =
      timeRuns(runs, [&] { reading = readDraftFolder(folder.string(), document); });
  const Bytes bytes = fileBytes((folder / kDraftFileName).string());
  const Timing load = timeRuns(runs, [&] { document.load(bytes); });
  std::printf(
      "%d subtitles, %.1f MB: read into rows in %.1f ms (best of %d; median %.1f ms; "
      "processor time %.1f ms), of which loading the JSON %.1f ms (processor %.1f ms); "
      "rows %s\n",
      subtitles, text.size() / 1e6, whole.best, runs, whole.median, whole.bestCpu, load.best,
      load.bestCpu, rowsAsGenerated(reading, subtitles) ? "as generated" : "WRONG");
}

// Reads one draft folder in this fresh process and reports time and peak memory, so that the peak
// belongs to the read alone and not to generating the draft.
int readOnce(const char* folder, int subtitles) {
  JsonDocument document;
  DraftReading reading;
  const Timing whole = timeRuns(1, [&] { reading = readDraftFolder(folder, document); });
  std::printf(
      "%d subtitles, %.0f MB file: read into rows in %.0f ms (processor %.0f ms), rows %s; "
      "peak memory of the process %.0f MB\n",
      subtitles, fs::file_size(fs::path(folder) / kDraftFileName) / 1e6, whole.best, whole.bestCpu,
      rowsAsGenerated(reading, subtitles) ? "as generated" : "WRONG", peakMegabytes());
  return 0;
}

void benchLargeFile(const char* self, const fs::path& root, double megabytes) {
  const double perSubtitle = bench::generateSubtitleDraft(1000).size() / 1000.0;
  const int subtitles = static_cast<int>(megabytes * 1e6 / perSubtitle);
  const fs::path folder = writeDraft(root, "large", bench::generateSubtitleDraft(subtitles));
  std::fflush(stdout);
  const std::string command =
      std::string("'") + self + "' --read '" + folder.string() + "' " + std::to_string(subtitles);
  if (std::system(command.c_str()) != 0) std::printf("large file: the reading process failed\n");
}

void benchLargestCorpusDraft() {
  const fs::path corpus = fs::path(TALVOREN_CORPUS_DIR) / "drafts";
  std::error_code error;
  fs::path largest;
  std::uintmax_t size = 0;
  for (const auto& entry : fs::directory_iterator(corpus, error)) {
    const fs::path file = entry.path() / kDraftFileName;
    if (fs::exists(file, error) && fs::file_size(file, error) > size) {
      size = fs::file_size(file, error);
      largest = entry.path();
    }
  }
  if (largest.empty()) {
    std::printf("largest corpus draft: no corpus at %s\n", corpus.string().c_str());
    return;
  }
  JsonDocument document;
  DraftReading reading;
  const Timing whole = timeRuns(20, [&] { reading = readDraftFolder(largest.string(), document); });
  std::printf("corpus %s (%.1f MB, %zu rows): %.2f ms (best of 20; median %.2f ms)\n",
              largest.filename().string().c_str(), size / 1e6, reading.rows.size(), whole.best,
              whole.median);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--read") return readOnce(argv[2], std::atoi(argv[3]));
  const fs::path root = fs::temp_directory_path() / "talvoren-draft-bench";
  fs::create_directories(root);
  benchGenerated(root, 10'000, 7);
  benchGenerated(root, 200'000, 3);
  benchLargestCorpusDraft();
  benchLargeFile(argv[0], root, 300);
  fs::remove_all(root);
  return 0;
}
