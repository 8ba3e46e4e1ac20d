#include "storage/position_sums.h"

namespace klondar::storage {

PositionSums SumPositions(std::string_view bytes) {
  PositionSums sums;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::int64_t code = static_cast<unsigned char>(bytes[i]);
    const std::size_t position = i + 1;
    sums.all += code;
    if (position % 2 == 0) sums.even += code;
    if (position % 3 == 0) sums.third += code;
  }
  return sums;
}

}  // namespace klondar::storage
