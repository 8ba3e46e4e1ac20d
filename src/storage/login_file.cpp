#include "storage/login_file.h"

#include <vector>

#include "storage/account_protection.h"
#include "storage/cp1251.h"
#include "storage/file_read.h"
#include "storage/fixed_text.h"

namespace klondar::storage {
namespace {

constexpr std::string_view kHeader = "Vel User File";
constexpr std::size_t kMaxLoginBytes = 4096;

}  // namespace

std::optional<Login> ReadLogin(const std::filesystem::path& sharedFolder) {
  const FileBytes read = ReadSmallFile(sharedFolder / kLoginFileName, kMaxLoginBytes);
  if (read.status != ReadStatus::kRead) return std::nullopt;
  const std::vector<std::string_view> lines = SplitLines(read.bytes);
  if (lines.size() < 3 || lines[0] != kHeader) return std::nullopt;
  if (lines[1].empty() || HasControlByte(lines[1])) return std::nullopt;
  std::optional<std::string> password = UnprotectAccountValue(lines[2]);
  if (!password) return std::nullopt;
  return Login{Cp1251ToUtf8(lines[1]), std::move(*password)};
}

WriteResult SaveLogin(const std::filesystem::path& sharedFolder, const Login& login) {
  const std::string nick = ControlsToSpaces(Utf8ToCp1251(login.nick));
  if (nick.empty()) return WriteResult{false, "no nick"};
  return ReplaceFile(sharedFolder / kLoginFileName,
                     JoinCrLf({std::string(kHeader), nick, ProtectAccountValue(login.password)}));
}

bool DeleteLogin(const std::filesystem::path& sharedFolder) {
  std::error_code ec;
  std::filesystem::remove(sharedFolder / kLoginFileName, ec);
  return !ec;
}

}  // namespace klondar::storage
