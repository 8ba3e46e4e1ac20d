// The game's start: the settings file read before the language is applied and before
// any window is laid out, then the main window made from it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "main_window.h"

namespace klondar::table {

std::unique_ptr<TForm1> OpenMainWindow(const std::filesystem::path& programFolder,
                                       std::optional<std::uint64_t> seed = std::nullopt);

}  // namespace klondar::table
