#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace talvoren {
namespace {

TEST(FoldFullWidth, FoldsFullWidthFormsAndIdeographicSpaceOnly) {
  EXPECT_EQ(foldFullWidth("１２３"), "123");
  EXPECT_EQ(foldFullWidth("－＋．ｅＡ～！"), "-+.eA~!");
  EXPECT_EQ(foldFullWidth("\xE3\x80\x80"
                          "5"),
            " 5");
  EXPECT_EQ(foldFullWidth("时间间隔：10"), "时间间隔:10");
}

TEST(FoldFullWidth, KeepsBrokenSequencesAsTheyAre) {
  EXPECT_EQ(foldFullWidth("\xEF\xBC"), "\xEF\xBC");
  EXPECT_EQ(foldFullWidth("a\xFF"
                          "b"),
            "a\xFF"
            "b");
}

struct NumberCase {
  const char* text;
  double number;
};

class TextToNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumber, ReadsTheLeadingNumberAsAtofDoes) {
  EXPECT_DOUBLE_EQ(textToNumber(GetParam().text), GetParam().number) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToNumber,
                         testing::Values(NumberCase{"10", 10}, NumberCase{"0.5", 0.5},
                                         NumberCase{"  -2.5e2xyz", -250}, NumberCase{"+7", 7},
                                         NumberCase{".25", 0.25}, NumberCase{"abc", 0},
                                         NumberCase{"", 0}, NumberCase{"1,5", 1},
                                         NumberCase{"１０", 10}, NumberCase{"－０．５", -0.5},
                                         NumberCase{"\xE3\x80\x80"
                                                    "３秒",
                                                    3},
                                         NumberCase{"1e400", HUGE_VAL}));

struct IntegerCase {
  const char* text;
  int32_t value;
};

class TextToInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToInteger, ReadsTheLeadingIntegerAsAtoiDoes) {
  EXPECT_EQ(textToInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToInteger,
                         testing::Values(IntegerCase{"1", 1}, IntegerCase{"-3", -3},
                                         IntegerCase{" 7abc", 7}, IntegerCase{"2.9", 2},
                                         IntegerCase{"x1", 0}, IntegerCase{"", 0},
                                         IntegerCase{"２", 2}, IntegerCase{"－１２", -12},
                                         IntegerCase{"99999999999", INT32_MAX},
                                         IntegerCase{"-99999999999", INT32_MIN}));

TEST(IntegerToText, IsPlainDecimal) {
  EXPECT_EQ(integerToText(0), "0");
  EXPECT_EQ(integerToText(-42), "-42");
  EXPECT_EQ(integerToText(INT64_MAX), "9223372036854775807");
}

TEST(DoubleToText, UsesAtMostThirteenSignificantDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0, "0"},
               {0.5, "0.5"},
               {10, "10"},
               {-1.25, "-1.25"},
               {0.1 + 0.2, "0.3"},
               {1.0 / 3, "0.3333333333333"},
               {9999999999999, "9999999999999"},
               {1e13, "1e+13"},
               {1.5e-7, "1.5e-07"},
               {123456.7890123456, "123456.7890123"}};
  for (const auto& c : cases) EXPECT_EQ(doubleToText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace talvoren
