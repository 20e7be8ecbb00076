#include "builtins/screen/colour_pattern.h"

#include <gtest/gtest.h>

#include <random>

#include "test_image.h"

namespace quorin::screen {
namespace {

using testing::TestImage;

// Counting one pixel at a time in column-major order, as the scan is stated.
int64_t count_slowly(TestImage& img, const ColourSpec& spec) {
  int64_t n = 0;
  for (int x = 0; x < img.w; ++x)
    for (int y = 0; y < img.h; ++y)
      if (spec.counts(img.at(x, y))) ++n;
  return n;
}

TEST(ColourSpec, HexColours) {
  EXPECT_EQ(parse_hex_colour(u"FF0000"), 0x0000FF);
  EXPECT_EQ(parse_hex_colour(u"#00ff80"), 0x80FF00);
  EXPECT_EQ(parse_hex_colour(u"#12345"), -1);
  EXPECT_EQ(parse_hex_colour(u"1234567"), -1);
  EXPECT_EQ(parse_hex_colour(u"12345G"), -1);
  EXPECT_EQ(parse_hex_colour(u""), -1);
}

TEST(ColourSpec, EntriesDeviationsBlanksAndNegation) {
  ColourSpec s = parse_colour_spec(u" \t\r\n^ FF0000 - 0A0A0A |  | bad | #00FF00-zz | 0000FF-000000-123456", 0);
  EXPECT_TRUE(s.negate);
  ASSERT_EQ(s.entries.size(), 1u);  // "FF0000 " has a trailing blank: dropped
  s = parse_colour_spec(u"^FF0000-0A0A0A|\n 0000FF-000000-123456||#00FF00-zz", 0);
  ASSERT_EQ(s.entries.size(), 2u);
  const ChannelRange& red = s.entries[0];
  EXPECT_EQ(red.lo[2], 245);
  EXPECT_EQ(red.hi[2], 255);
  EXPECT_EQ(red.lo[1], 0);
  EXPECT_EQ(red.hi[1], 10);
  EXPECT_FALSE(red.exact);
  EXPECT_TRUE(s.entries[1].exact);  // the third part is ignored
  EXPECT_TRUE(parse_colour_spec(u"^", 0).entries.empty());
  EXPECT_TRUE(parse_colour_spec(u"", 0).entries.empty());
}

TEST(ColourSpec, ToleranceWidensExactAndRangeEntries) {
  ColourSpec s = parse_colour_spec(u"808080|F0F0F0-101010", 25);
  ASSERT_EQ(s.entries.size(), 2u);
  EXPECT_EQ(s.entries[0].lo[0], 128 - 25);
  EXPECT_EQ(s.entries[0].hi[0], 128 + 25);
  EXPECT_EQ(s.entries[1].lo[0], 240 - 16 - 25);
  EXPECT_EQ(s.entries[1].hi[0], 255);
}

TEST(ColourSpec, CountsAndAtLeastN) {
  TestImage img(20, 10);
  img.fill(0x000000);
  img.set(3, 3, 0x0000FF);     // pure red
  img.set(4, 3, 0x0505F8);     // red 248, green 5, blue 5
  img.set(5, 3, 0x0B00FF);     // blue 11: outside 0A0A0A
  ColourSpec red = parse_colour_spec(u"FF0000", 0);
  EXPECT_EQ(count_colours(img.view(), red), 1);
  EXPECT_EQ(count_colours(img.view(), parse_colour_spec(u"^FF0000", 0)), 199);
  EXPECT_EQ(count_colours(img.view(), parse_colour_spec(u"FF0000-0A0A0A", 0)), 2);
  EXPECT_EQ(count_colours(img.view(), parse_colour_spec(u"FF0000|000000", 0)), 198);
  // Negated with two entries: a pixel counts when one of them fails.
  EXPECT_EQ(count_colours(img.view(), parse_colour_spec(u"^FF0000|000000", 0)), 200);
  EXPECT_EQ(count_colours(img.view(), parse_colour_spec(u"zzz", 0)), 0);

  EXPECT_TRUE(found_colour_count(img.view(), red, 1));
  EXPECT_FALSE(found_colour_count(img.view(), red, 2));
  EXPECT_FALSE(found_colour_count(img.view(), red, 0));
  EXPECT_FALSE(found_colour_count(img.view(), red, -1));
  EXPECT_TRUE(found_colour_count(img.view(), parse_colour_spec(u"00FF00", 0), 0));
  EXPECT_TRUE(found_colour_count(img.view(), parse_colour_spec(u"", 0), 0));
  EXPECT_FALSE(found_colour_count(img.view(), parse_colour_spec(u"", 0), 1));
}

TEST(ColourSpec, VectorCountMatchesPixelByPixelCount) {
  for (bool avx2 : {true, false}) {
    allow_avx2(avx2);
    std::mt19937 rng(99);
    const char16_t* specs[] = {u"202020|405060-101010|0A0B0C", u"^202020|405060-101010", u"^405060-303030",
                               u"000000-FFFFFF", u"123456"};
    for (int round = 0; round < 60; ++round) {
      TestImage img(1 + static_cast<int>(rng() % 110), 1 + static_cast<int>(rng() % 9));
      img.randomise(rng, 6);
      for (const char16_t* text : specs) {
        const ColourSpec s = parse_colour_spec(text, static_cast<int>(rng() % 30));
        EXPECT_EQ(count_colours(img.view(), s), count_slowly(img, s)) << round << " " << count_path();
      }
    }
  }
  allow_avx2(true);
}

}  // namespace
}  // namespace quorin::screen
