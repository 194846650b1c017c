// The program's pseudo-random numbers: never seeded, so every run draws the same
// sequence, and any uniform source serves the readers of what it chooses.
#pragma once

#include <random>

namespace platform {

class UnseededRandom {
 public:
  // 53 random bits: exactly representable, never 1.
  double next() { return static_cast<double>(generator_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 generator_;
};

}  // namespace platform
