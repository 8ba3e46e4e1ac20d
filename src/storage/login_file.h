// The login file "VelUser.vel" in the folder shared by the maker's games (the parent of the
// program folder): "Vel User File", the account nick, the protected account password; cp1251
// lines ended by CR LF.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/atomic_write.h"

namespace klondar::storage {

inline constexpr std::string_view kLoginFileName = "VelUser.vel";

struct Login {
  std::string nick;      // UTF-8
  std::string password;  // UTF-8, in clear
};

// Nothing when the file is missing, does not start with "Vel User File", or its nick or
// password line is not one the program writes.
std::optional<Login> ReadLogin(const std::filesystem::path& sharedFolder);

// Refuses an empty nick (it could not be read back as a login).
WriteResult SaveLogin(const std::filesystem::path& sharedFolder, const Login& login);

// True when there is no login file afterwards.
bool DeleteLogin(const std::filesystem::path& sharedFolder);

}  // namespace klondar::storage
