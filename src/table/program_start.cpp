#include "program_start.h"

#include "font_families.h"
#include "settings_binding.h"

namespace klondar::table {

std::unique_ptr<TForm1> OpenMainWindow(const std::filesystem::path& programFolder,
                                       std::optional<std::uint64_t> seed) {
  const storage::Settings settings = ReadStartSettings(programFolder);
  ApplyControlFont();
  auto window = std::make_unique<TForm1>(TableOptionsFrom(settings), programFolder, seed);
  window->UseSettings(settings);
  return window;
}

}  // namespace klondar::table
