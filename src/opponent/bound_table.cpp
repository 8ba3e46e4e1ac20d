#include "bound_table.h"

#include <algorithm>

namespace klondar::solver {

void BoundTable::Reserve(int bucketBits) {
  const std::size_t size = std::size_t{2} << bucketBits;
  if (entries_.size() >= size) return;
  entries_.assign(size, Entry{});
  mask_ = (std::uint64_t{1} << bucketBits) - 1;
}

void BoundTable::Clear() { std::fill(entries_.begin(), entries_.end(), Entry{}); }

std::size_t BoundTable::Bucket(const PositionKey& key) const {
  std::uint64_t h = key.hands ^ (std::uint64_t{key.extra} * 0x9E3779B97F4A7C15ull);
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<std::size_t>(h & mask_) * 2;
}

const Bounds* BoundTable::Find(const PositionKey& key) const {
  const std::size_t at = Bucket(key);
  for (std::size_t i = at; i < at + 2; ++i) {
    if (entries_[i].size != 0 && entries_[i].key == key) return &entries_[i].bounds;
  }
  return nullptr;
}

void BoundTable::Store(const PositionKey& key, int size, const Bounds& bounds) {
  const std::size_t at = Bucket(key);
  for (std::size_t i = at; i < at + 2; ++i) {
    Entry& entry = entries_[i];
    if (entry.size == 0 || !(entry.key == key)) continue;
    entry.bounds.lower = std::max(entry.bounds.lower, bounds.lower);
    entry.bounds.upper = std::min(entry.bounds.upper, bounds.upper);
    if (bounds.best >= 0) entry.bounds.best = bounds.best;
    return;
  }
  const Entry fresh{key, bounds, static_cast<std::uint8_t>(size)};
  Entry& kept = entries_[at];
  if (size >= kept.size) {
    entries_[at + 1] = kept;
    kept = fresh;
  } else {
    entries_[at + 1] = fresh;
  }
}

}  // namespace klondar::solver
