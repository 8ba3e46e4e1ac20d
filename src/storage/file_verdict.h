// The one-line answer of the file checks of the command-line tool.
#pragma once

#include <string>

namespace klondar::storage {

struct FileVerdict {
  bool intact = false;
  std::string text;  // "intact", or why not
};

}  // namespace klondar::storage
