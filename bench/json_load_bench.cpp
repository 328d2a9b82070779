// Load speed, read speed and peak memory of the JSON document on the largest real draft and on a
// generated draft of about 50 MB. Plain timing; the figures go to standard output.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "json/json_document.h"
#include "json_draft_generator.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Read in one piece, so that the text costs its own size and no more.
std::string readFile(const fs::path& path) {
  std::error_code error;
  uintmax_t size = fs::file_size(path, error);
  if (error) return {};
  std::string text(static_cast<size_t>(size), '\0');
  std::ifstream in(path, std::ios::binary);
  in.read(text.data(), static_cast<std::streamsize>(size));
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

// The high-water mark of this process's resident memory. (VmHWM belongs to the program image
// that exec started; getrusage's ru_maxrss would carry over the parent's peak across exec.)
long peakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return 0;
}

// Loads the file once in this fresh process and prints the peak resident memory before and after.
int measurePeak(const char* file) {
  std::string text = readFile(file);
  long before = peakKilobytes();
  talvoren::JsonDocument doc;
  bool ok = doc.load(text);
  long after = peakKilobytes();
  std::printf("%ld %ld %d\n", before, after, ok ? 1 : 0);
  return ok ? 0 : 1;
}

// Runs this program again as a child so the peak belongs to one load alone.
void reportPeak(const char* self, const fs::path& file, size_t bytes) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    execl(self, self, "--peak", file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[128] = {};
  ssize_t got = read(pipeEnds[0], buffer, sizeof buffer - 1);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  long before = 0, after = 0;
  int ok = 0;
  if (got <= 0 || std::sscanf(buffer, "%ld %ld %d", &before, &after, &ok) != 3) {
    std::printf("  peak memory: not measured\n");
    return;
  }
  std::printf(
      "  peak memory: %.1f MB for the whole process (%.2f x the file), of which the "
      "document %.1f MB (%.2f x the file); text alone %.1f MB\n",
      after / 1e3, after * 1e3 / static_cast<double>(bytes), (after - before) / 1e3,
      (after - before) * 1e3 / static_cast<double>(bytes), before / 1e3);
}

// Loads repeatedly for about a second and a half (at least three times) and reports the speed,
// by the clock on the wall and by the processor time the process got: on a busy machine the
// first counts the time spent waiting for a processor too.
void benchLoad(const std::string& text) {
  std::vector<double> times;
  double total = 0;
  std::clock_t cpuStart = std::clock();
  while (times.size() < 3 || total < 1.5) {
    talvoren::JsonDocument doc;
    auto start = Clock::now();
    bool ok = doc.load(text);
    double t = seconds(Clock::now() - start);
    if (!ok) {
      std::printf("  load FAILED\n");
      return;
    }
    times.push_back(t);
    total += t;
  }
  // Processor time includes releasing each document, which the wall figures leave out.
  double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  double best = *std::min_element(times.begin(), times.end());
  double mean = total / static_cast<double>(times.size());
  double mb = static_cast<double>(text.size()) / 1e6;
  std::printf(
      "  load: %.1f MB/s mean, %.1f MB/s best (%.2f ms mean over %zu loads of %.2f MB); "
      "%.1f MB/s of processor time\n",
      mb / mean, mb / best, mean * 1e3, times.size(), mb,
      mb * static_cast<double>(times.size()) / cpu);
}

// Reads every subtitle's four values by the paths the draft import uses.
void benchReads(const std::string& text) {
  talvoren::JsonDocument doc;
  doc.load(text);
  int count = doc.arrayCount("materials.texts");
  auto start = Clock::now();
  size_t found = 0, bytes = 0;
  for (int k = 0; k < count; ++k) {
    std::string segment = "tracks[1].segments[" + std::to_string(k) + "]['target_timerange']";
    for (const std::string& path : {segment + ".start", segment + ".start", segment + ".duration",
                                    "materials.texts[" + std::to_string(k) + "].content"}) {
      std::string value = doc.valueText(path);
      found += !value.empty();
      bytes += value.size();
    }
  }
  double t = seconds(Clock::now() - start);
  std::printf("  reads: %d subtitles x 4 values in %.2f ms (%.2f us per value; %zu found)\n", count,
              t * 1e3, count ? t * 1e6 / (4.0 * count) : 0.0, found);
}

void benchFile(const char* self, const std::string& title, const fs::path& file) {
  std::string text = readFile(file);
  std::printf("%s: %s (%.2f MB)\n", title.c_str(), file.filename().c_str(),
              static_cast<double>(text.size()) / 1e6);
  benchLoad(text);
  benchReads(text);
  reportPeak(self, file, text.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--peak") == 0) return measurePeak(argv[2]);
  std::string self = fs::read_symlink("/proc/self/exe").string();

  fs::path drafts = fs::path(TALVOREN_CORPUS_DIR) / "drafts";
  fs::path largest;
  std::error_code error;
  if (fs::is_directory(drafts, error)) {
    uintmax_t largestSize = 0;
    for (const auto& entry : fs::directory_iterator(drafts)) {
      fs::path file = entry.path() / "draft_content.json";
      if (fs::is_regular_file(file) && fs::file_size(file) > largestSize) {
        largestSize = fs::file_size(file);
        largest = file;
      }
    }
  }
  if (largest.empty())
    std::printf("largest real draft: skipped, no ../shared/corpus/drafts\n");
  else
    benchFile(self.c_str(), "largest real draft " + largest.parent_path().filename().string(),
              largest);

  auto generated = talvoren::bench::generateDraft(50u << 20);
  fs::path file = fs::current_path() / "generated_draft.json";
  std::ofstream(file, std::ios::binary) << generated.text;
  benchFile(self.c_str(), "generated draft, " + std::to_string(generated.subtitles) + " subtitles",
            file);
  return 0;
}
