// The checks of the "Welcome!" dialog for a new player, and the fixed widths in which the
// name and password are kept.
#pragma once

#include <QString>
#include <optional>

#include "word_table.h"

namespace klondar::table {

inline constexpr int kNameLength = 20;
inline constexpr int kPasswordLength = 5;

enum class WelcomeField { kName, kPassword, kConfirmation };

struct WelcomeRefusal {
  Word message;
  WelcomeField field;  // where the focus goes
};

// Nothing when the entries may be taken; otherwise the message and the field concerned.
std::optional<WelcomeRefusal> CheckNewPlayer(const QString& name, const QString& password,
                                             const QString& confirmation);
// A club member's entry: the typed password, padded to 5 characters, must be the stored one.
std::optional<WelcomeRefusal> CheckMember(const QString& name, const QString& typedPassword,
                                          const QString& storedPassword);
// The text cut or padded with spaces to the width.
QString FixedWidth(const QString& text, int width);

}  // namespace klondar::table
