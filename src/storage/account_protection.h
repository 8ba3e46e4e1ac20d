// The form in which account values (the password and the second account value of the
// settings file, the password of the login file) are stored: a keyed scrambling that keeps
// them from being read at a glance. It is obfuscation, not security: the key is in the
// program, and anyone with the program can undo it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace klondar::storage {

// Upper-case hexadecimal digits, never empty (even for an empty value), with a check byte
// so that a damaged text is told apart from a value. The same value always gives the same
// text.
std::string ProtectAccountValue(std::string_view value);

// The value, or nothing when `text` is not a text that ProtectAccountValue gives.
std::optional<std::string> UnprotectAccountValue(std::string_view text);

}  // namespace klondar::storage
