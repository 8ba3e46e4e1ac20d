// A hash table of proven bounds on the value of trick starts, for the solver. Each
// bucket holds two entries: one kept for the larger subtree, one always replaced.
#pragma once

#include <cstdint>
#include <vector>

namespace klondar::solver {

struct PositionKey {
  std::uint64_t hands = 0;  // the two hands as two 32-bit card sets
  std::uint32_t extra = 0;  // the side to lead and, where the value needs them, the points

  bool operator==(const PositionKey&) const = default;
};

struct Bounds {
  std::int16_t lower;
  std::int16_t upper;
  std::int8_t best;  // card index of the best lead found, -1 if none
};

class BoundTable {
 public:
  // Holds 2^bucketBits buckets, at least; a table that grows forgets its entries.
  void Reserve(int bucketBits);
  void Clear();
  // The bounds stored for the key, or nullptr.
  const Bounds* Find(const PositionKey& key) const;
  // Narrows the stored bounds by new ones (or stores them); `size` ranks subtrees.
  void Store(const PositionKey& key, int size, const Bounds& bounds);

 private:
  struct Entry {
    PositionKey key;
    Bounds bounds;
    std::uint8_t size = 0;  // 0 marks an empty entry
  };
  std::size_t Bucket(const PositionKey& key) const;

  std::vector<Entry> entries_;  // two per bucket: [0] larger subtree, [1] latest
  std::uint64_t mask_ = 0;
};

}  // namespace klondar::solver
