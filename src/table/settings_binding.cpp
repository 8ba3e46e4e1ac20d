#include "settings_binding.h"

#include "font_roles.h"
#include "storage/settings_file.h"
#include "word_table.h"
#include "words.h"

namespace klondar::table {

TableOptions TableOptionsFrom(const storage::Settings& settings) {
  TableOptions options;
  const int size = settings.windowSize;
  options.windowSize = size >= 1 && size <= 5 ? static_cast<WindowSize>(size) : WindowSize::kSmall;
  options.flightSpeed = settings.flightSpeed;
  options.flyCards = settings.flyingCards;
  options.sounds = settings.sound;
  options.ownCursors = settings.ownCursors;
  options.saluteButtons = settings.buttonSalute;
  options.saluteCards = settings.cardSalute;
  options.newButtons = settings.newButtons;
  options.titleDesign = settings.titleDesign;
  return options;
}

void ApplyLanguageAndFonts(const storage::Settings& settings) {
  SetLanguage(settings.language);
  for (int role = 0; role < kFontRoleCount; ++role) {
    const storage::FontChoice& font = settings.fonts[static_cast<std::size_t>(role)];
    SetFontRoleChoice(static_cast<FontRole>(role),
                      FontRoleChoice{QString::fromStdString(font.name), font.scale});
  }
}

storage::Settings ReadStartSettings(const std::filesystem::path& programFolder) {
  const auto mrX = [](int language) {
    return std::string(
        kWordTexts[static_cast<std::size_t>(Word::kMrX)][static_cast<std::size_t>(language)]);
  };
  storage::Settings settings = storage::LoadSettings(programFolder, mrX).settings;
  ApplyLanguageAndFonts(settings);
  return settings;
}

}  // namespace klondar::table
