// Deep texts must neither overflow a small stack nor be taken beyond the nesting limit. The
// walks over the tree recurse, so they run here on a thread with a 1 MB stack.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json/json_document.h"
#include "json/json_engine.h"

#if !defined(_WIN32)
#include <pthread.h>
#endif

namespace talvoren {
namespace {

struct DeepResults {
  bool refused = false;
  bool deepestLoaded = false;
  bool jsonReadsBack = false;
  bool copied = false;
  int values = 0;
};

void deepWork(DeepResults& results) {
  JsonDocument doc;
  results.refused = !doc.load(std::string(100000, '['));
  std::string deepest =
      std::string(JsonEngine::kMaxDepth, '[') + "1" + std::string(JsonEngine::kMaxDepth, ']');
  results.deepestLoaded = doc.load(deepest);
  results.jsonReadsBack = doc.rootJson() == deepest;
  results.copied = doc.memberDocument()->rootJson() == deepest;
  std::vector<std::string> values;
  results.values = doc.allValues(values, "", true);
  doc.valueText("");
  ASSERT_TRUE(doc.load("{}"));
  doc.setMember("", deepest, true);
  doc.rootJson();
}

#if !defined(_WIN32)
TEST(JsonDeepTexts, FitOnAOneMegabyteStack) {
  DeepResults results;
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1 << 20), 0);
  pthread_t thread;
  auto run = [](void* data) -> void* {
    deepWork(*static_cast<DeepResults*>(data));
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, &results), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  EXPECT_TRUE(results.refused);
  EXPECT_TRUE(results.deepestLoaded);
  EXPECT_TRUE(results.jsonReadsBack);
  EXPECT_TRUE(results.copied);
  EXPECT_EQ(results.values, 1);
}
#else
TEST(JsonDeepTexts, FitOnTheMainStack) {
  DeepResults results;
  deepWork(results);
  EXPECT_TRUE(results.refused);
  EXPECT_TRUE(results.deepestLoaded);
  EXPECT_TRUE(results.jsonReadsBack);
  EXPECT_TRUE(results.copied);
  EXPECT_EQ(results.values, 1);
}
#endif

}  // namespace
}  // namespace talvoren
