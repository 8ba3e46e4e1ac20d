// The building blocks shared by the fixed-format text files: CR LF lines, fixed-width
// fields and canonical decimal numbers. Everything works on cp1251 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klondar::storage {

// Splits at LF; a CR right before the LF belongs to the line end. A last line without a
// line end still counts; an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// The lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// `text` cut or padded with spaces on the right to `width`.
std::string PadRight(std::string_view text, std::size_t width);
// `text` padded with spaces on the left to `width`; a longer text is cut at the right.
std::string AlignRight(std::string_view text, std::size_t width);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// A byte below 0x20: no text value of ours holds one (a CR or LF would split its line).
bool HasControlByte(std::string_view text);
// The text with every byte below 0x20 turned into a space.
std::string ControlsToSpaces(std::string text);

// A decimal in the one form the program writes: an optional "-", then digits without
// leading zeros ("0", never "-0"). Anything else, or a value outside int64, is refused.
std::optional<std::int64_t> ParseDecimal(std::string_view text);
// ParseDecimal of the field with its leading spaces removed (a right-aligned number).
std::optional<std::int64_t> ParseAlignedDecimal(std::string_view field);

// `scaled` / 10^decimals written with a comma: FixedComma(822, 2) == "8,22",
// FixedComma(-5, 2) == "-0,05".
std::string FixedComma(std::int64_t scaled, int decimals);
// The inverse for a right-aligned field: leading spaces, an optional "-", digits without
// leading zeros, a comma and exactly `decimals` digits; "-0,00...0" is refused.
std::optional<std::int64_t> ParseFixedComma(std::string_view field, int decimals);

// `value` rounded to 10^-decimals and scaled by 10^decimals, limited to [lo, hi] (scaled).
std::int64_t ScaleRounded(double value, int decimals, std::int64_t lo, std::int64_t hi);

// `value` in `width` digits with leading zeros.
std::string ZeroPadded(std::int64_t value, std::size_t width);
// Exactly `width` decimal digits (leading zeros allowed).
std::optional<std::int64_t> ParseDigits(std::string_view field);

}  // namespace klondar::storage
