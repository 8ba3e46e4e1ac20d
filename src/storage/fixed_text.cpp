#include "storage/fixed_text.h"

#include <charconv>
#include <cmath>

namespace klondar::storage {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && end < text.size() && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string AlignRight(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string_view TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view Trim(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view{} : TrimRight(text.substr(start));
}

bool HasControlByte(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

std::string ControlsToSpaces(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return text;
}

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return std::nullopt;
  if (negative && digits == "0") return std::nullopt;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> ParseAlignedDecimal(std::string_view field) {
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  return ParseDecimal(field.substr(start));
}

namespace {

std::int64_t PowerOfTen(int decimals) {
  std::int64_t p = 1;
  for (int i = 0; i < decimals; ++i) p *= 10;
  return p;
}

}  // namespace

std::string FixedComma(std::int64_t scaled, int decimals) {
  const std::int64_t unit = PowerOfTen(decimals);
  // Work on the magnitude as unsigned so that INT64_MIN does not overflow.
  const bool negative = scaled < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  const std::uint64_t whole = magnitude / static_cast<std::uint64_t>(unit);
  const std::uint64_t fraction = magnitude % static_cast<std::uint64_t>(unit);
  std::string out = negative ? "-" : "";
  out += std::to_string(whole);
  out += ',';
  const std::string digits = std::to_string(fraction);
  out += std::string(static_cast<std::size_t>(decimals) - digits.size(), '0') + digits;
  return out;
}

std::optional<std::int64_t> ParseFixedComma(std::string_view field, int decimals) {
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  std::string_view text = field.substr(start);
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0 || text.front() == '-' ||
      text.size() - comma - 1 != static_cast<std::size_t>(decimals)) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> whole = ParseDecimal(text.substr(0, comma));
  const std::optional<std::int64_t> fraction = ParseDigits(text.substr(comma + 1));
  if (!whole || !fraction) return std::nullopt;
  const std::int64_t unit = PowerOfTen(decimals);
  if (*whole > (INT64_MAX - *fraction) / unit) return std::nullopt;
  const std::int64_t magnitude = *whole * unit + *fraction;
  if (negative && magnitude == 0) return std::nullopt;
  return negative ? -magnitude : magnitude;
}

std::int64_t ScaleRounded(double value, int decimals, std::int64_t lo, std::int64_t hi) {
  if (std::isnan(value)) return lo > 0 ? lo : (hi < 0 ? hi : 0);
  const double scaled = std::round(value * static_cast<double>(PowerOfTen(decimals)));
  if (scaled <= static_cast<double>(lo)) return lo;
  if (scaled >= static_cast<double>(hi)) return hi;
  return static_cast<std::int64_t>(scaled);
}

std::string ZeroPadded(std::int64_t value, std::size_t width) {
  const std::string digits = std::to_string(value);
  return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

std::optional<std::int64_t> ParseDigits(std::string_view field) {
  if (field.empty() || field.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace klondar::storage
