// The one random generator of a game: seeded once, from the device or from an injected
// seed, and never reseeded between draws.
#pragma once

#include <cstdint>
#include <random>

namespace klondar {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
  static RandomSource FromDevice();

  // A uniformly distributed integer in [0, bound), bound > 0. Written out by rejection so
  // that a seed gives the same draws with every standard library.
  std::uint32_t Below(std::uint32_t bound);

 private:
  std::mt19937_64 engine_;
};

}  // namespace klondar
