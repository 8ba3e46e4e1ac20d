#include "storage/account_protection.h"

#include <cstdint>

namespace klondar::storage {
namespace {

constexpr std::string_view kKey = "Klondar2/VelUser: keep out of sight";
constexpr char kHex[] = "0123456789ABCDEF";

// A byte stream from the key: FNV-1a of the key seeds a xorshift generator.
class KeyStream {
 public:
  KeyStream() {
    for (const char c : kKey) state_ = (state_ ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  std::uint8_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<std::uint8_t>(state_ >> 24);
  }

 private:
  std::uint32_t state_ = 2166136261u;
};

std::uint8_t CheckByte(std::string_view value) {
  std::uint32_t sum = 0x5A + 31u * static_cast<std::uint32_t>(value.size());
  for (const char c : value) sum = sum * 7 + static_cast<unsigned char>(c);
  return static_cast<std::uint8_t>(sum);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ProtectAccountValue(std::string_view value) {
  KeyStream keys;
  std::uint8_t previous = CheckByte(value);
  std::string out{kHex[previous >> 4], kHex[previous & 0xF]};
  // Each byte is mixed with the key stream and the previous scrambled byte, so equal
  // characters do not show as equal digits.
  for (const char c : value) {
    previous = static_cast<std::uint8_t>(static_cast<unsigned char>(c) ^ keys.Next() ^ previous);
    out += kHex[previous >> 4];
    out += kHex[previous & 0xF];
  }
  return out;
}

std::optional<std::string> UnprotectAccountValue(std::string_view text) {
  if (text.size() < 2 || text.size() % 2 != 0) return std::nullopt;
  std::string scrambled;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexValue(text[i]);
    const int low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    scrambled += static_cast<char>(high * 16 + low);
  }
  KeyStream keys;
  std::string value;
  for (std::size_t i = 1; i < scrambled.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(scrambled[i]);
    const auto previous = static_cast<std::uint8_t>(scrambled[i - 1]);
    value += static_cast<char>(byte ^ keys.Next() ^ previous);
  }
  if (CheckByte(value) != static_cast<std::uint8_t>(scrambled[0])) return std::nullopt;
  return value;
}

}  // namespace klondar::storage
