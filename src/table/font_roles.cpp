#include "font_roles.h"

#include <array>
#include <cmath>

#include "words.h"

namespace klondar::table {
namespace {

std::size_t Index(FontRole role) { return static_cast<std::size_t>(role); }

std::array<FontRoleChoice, kFontRoleCount> DefaultChoices() {
  return {FontRoleChoice{"Comic Sans MS", 100}, FontRoleChoice{"Comic Sans MS", 100},
          FontRoleChoice{"FixedSys", 100}, FontRoleChoice{"Courier New", 100}};
}

std::array<FontRoleChoice, kFontRoleCount> choices = DefaultChoices();

}  // namespace

FontRoleChoice DefaultFontRoleChoice(FontRole role) { return DefaultChoices()[Index(role)]; }

FontRoleChoice FontRoleChoiceOf(FontRole role) { return choices[Index(role)]; }

bool SetFontRoleChoice(FontRole role, const FontRoleChoice& choice) {
  if (choice.family.isEmpty() || choice.scale < kMinFontScale || choice.scale > kMaxFontScale) {
    return false;
  }
  choices[Index(role)] = choice;
  return true;
}

int FontHeightFor(int size, FontRole role) {
  return static_cast<int>(std::lround(size * choices[Index(role)].scale / 100.0));
}

QString FontRoleCaption(FontRole role) {
  switch (role) {
    case FontRole::kDecor:
      return Text(Word::kLargeFont);
    case FontRole::kSerif:
      return Text(Word::kSmallFont);
    case FontRole::kFixed:
      return Text(Word::kSpecialFont) + " 1";
    case FontRole::kConew:
      return Text(Word::kSpecialFont) + " 2";
  }
  return {};
}

}  // namespace klondar::table
