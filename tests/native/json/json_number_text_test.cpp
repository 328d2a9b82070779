#include "json/json_number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace talvoren {
namespace {

TEST(JsonNumberText, WritesAsAScriptDoes) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    double number;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{25, "25"},
                                         {0.5, "0.5"},
                                         {-0.0, "0"},
                                         {0, "0"},
                                         {1e21, "1e+21"},
                                         {1e20, "100000000000000000000"},
                                         {123456789012345678901.0, "123456789012345680000"},
                                         {1e-7, "1e-7"},
                                         {1.5e-7, "1.5e-7"},
                                         {1e-6, "0.000001"},
                                         {0.000123, "0.000123"},
                                         {-2.5, "-2.5"},
                                         {0.1 + 0.2, "0.30000000000000004"},
                                         {123.456, "123.456"},
                                         {1.7976931348623157e308, "1.7976931348623157e+308"},
                                         {5e-324, "5e-324"},
                                         {-1e300, "-1e+300"},
                                         {kInf, "Infinity"},
                                         {-kInf, "-Infinity"},
                                         {std::nan(""), "NaN"}}) {
    EXPECT_EQ(numberText(c.number), c.text) << c.text;
  }
}

TEST(JsonNumberText, ReadsAsAScriptDoes) {
  struct Case {
    const char* text;
    double number;
  };
  for (const Case& c : std::vector<Case>{{"25", 25},
                                         {"  -2.5e1\n", -25},
                                         {"", 0},
                                         {"   ", 0},
                                         {"0x1A", 26},
                                         {".5", 0.5},
                                         {"5.", 5},
                                         {"+7", 7},
                                         {"-Infinity", -std::numeric_limits<double>::infinity()},
                                         {"\xE3\x80\x80"
                                          "12\xC2\xA0",
                                          12}}) {
    EXPECT_EQ(scriptNumber(c.text), c.number) << c.text;
  }
  for (const char* text : {"abc", "1a", "0x", "0xg", "1e", "--1", ".", "1 2", "infinity"})
    EXPECT_TRUE(std::isnan(scriptNumber(text))) << text;
}

}  // namespace
}  // namespace talvoren
