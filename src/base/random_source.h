#pragma once

#include <cstdint>

namespace tenukiro {

// The one random source of the process. Every random choice (file order, colour
// schemes, random games, board placement) goes through RandomInt so that a run
// can be reproduced from its seed.

// Seeds the generator. A reproducible seed also drops the millisecond jitter that
// RandomInt otherwise adds, so the same seed gives the same sequence every run.
void SeedRandom(uint32_t seed, bool reproducible);

// Seeds from the current time in seconds (the start-up default).
void SeedRandomFromClock();

// (next generator value in 0..32767 + the current millisecond) modulo n, so
// 0..n-1 for n > 0; 0 for n <= 0.
int RandomInt(int n);

}  // namespace tenukiro
