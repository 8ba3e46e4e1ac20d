#include "random_source.h"

namespace klondar {

RandomSource RandomSource::FromDevice() {
  std::random_device device;
  const std::uint64_t high = device();
  const std::uint64_t low = device();
  return RandomSource((high << 32) ^ low);
}

std::uint32_t RandomSource::Below(std::uint32_t bound) {
  const std::uint64_t range = std::uint64_t{1} << 32;
  const std::uint64_t limit = range - range % bound;
  std::uint64_t draw;
  do {
    draw = engine_() >> 32;
  } while (draw >= limit);
  return static_cast<std::uint32_t>(draw % bound);
}

}  // namespace klondar
