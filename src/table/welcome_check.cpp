#include "welcome_check.h"

namespace klondar::table {

std::optional<WelcomeRefusal> CheckNewPlayer(const QString& name, const QString& password,
                                             const QString& confirmation) {
  // A name of spaces only would be stored as an empty name.
  if (name.trimmed().isEmpty()) return WelcomeRefusal{Word::kIncorrectName, WelcomeField::kName};
  if (password != confirmation) {
    return WelcomeRefusal{Word::kPasswordsDoNotCoincide, WelcomeField::kConfirmation};
  }
  return std::nullopt;
}

std::optional<WelcomeRefusal> CheckMember(const QString& name, const QString& typedPassword,
                                          const QString& storedPassword) {
  if (name.trimmed().isEmpty()) return WelcomeRefusal{Word::kIncorrectName, WelcomeField::kName};
  if (FixedWidth(typedPassword, kPasswordLength) != FixedWidth(storedPassword, kPasswordLength)) {
    return WelcomeRefusal{Word::kIncorrectPassword, WelcomeField::kPassword};
  }
  return std::nullopt;
}

QString FixedWidth(const QString& text, int width) {
  return text.left(width).leftJustified(width, QLatin1Char(' '));
}

}  // namespace klondar::table
