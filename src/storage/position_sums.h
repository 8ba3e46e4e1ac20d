// The three check sums of the club and history files over a run of cp1251 bytes: the sum
// of all byte values, of those at even positions and of those at positions divisible by
// three (positions counted from 1).
#pragma once

#include <cstdint>
#include <string_view>

namespace klondar::storage {

struct PositionSums {
  std::int64_t all = 0;
  std::int64_t even = 0;
  std::int64_t third = 0;
};

PositionSums SumPositions(std::string_view bytes);

}  // namespace klondar::storage
