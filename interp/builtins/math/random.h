// The script's random generator: the C runtime's linear congruential
// generator of Windows (state × 214013 + 2531011, results 0..32767 from
// bits 16..30), kept in the run context so that every target and every run
// draws the same sequence from the same seed.  A fresh run starts from
// seed 1, as a fresh thread of that runtime does.
#pragma once
#include <cstdint>

namespace quorin::math {

constexpr int32_t kRandMax = 32767;

constexpr uint32_t next_random_state(uint32_t state) { return state * 214013u + 2531011u; }
constexpr int32_t random_value(uint32_t state) { return static_cast<int32_t>((state >> 16) & 0x7fff); }

// The identifier of the calling thread (the seed of `randomize`).
uint32_t current_thread_id();

}  // namespace quorin::math
