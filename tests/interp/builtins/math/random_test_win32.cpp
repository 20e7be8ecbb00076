// The script's generator draws what the C runtime's rand() draws.
#include <gtest/gtest.h>

#include <cstdlib>

#include "builtins/math/random.h"

namespace quorin::math {
namespace {

TEST(RandomWin32, SameSequenceAsTheCRuntime) {
  for (uint32_t seed : {1u, 0u, 12345u, 0xFFFFFFFFu, 2024u}) {
    std::srand(seed);
    uint32_t state = seed;
    for (int i = 0; i < 10000; ++i) {
      state = next_random_state(state);
      ASSERT_EQ(random_value(state), std::rand()) << seed << " draw " << i;
    }
  }
  EXPECT_EQ(RAND_MAX, kRandMax);
}

}  // namespace
}  // namespace quorin::math
