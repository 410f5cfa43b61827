#include "base/random_source.h"

#include <chrono>
#include <ctime>

namespace tenukiro {
namespace {

uint32_t generatorState = 1;
bool addMilliseconds = true;

// The classic portable rand(): values 0..32767, the same on every platform.
int NextGeneratorValue() {
  generatorState = generatorState * 1103515245u + 12345u;
  return static_cast<int>((generatorState / 65536u) % 32768u);
}

int CurrentMillisecond() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % 1000);
}

}  // namespace

void SeedRandom(uint32_t seed, bool reproducible) {
  generatorState = seed;
  addMilliseconds = !reproducible;
}

void SeedRandomFromClock() { SeedRandom(static_cast<uint32_t>(std::time(nullptr)), false); }

int RandomInt(int n) {
  if (n <= 0) return 0;
  const int jitter = addMilliseconds ? CurrentMillisecond() : 0;
  return (NextGeneratorValue() + jitter) % n;
}

}  // namespace tenukiro
