// Command-line arguments of the tools: "--name value" pairs and "--switch" flags.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace klondar {

class ToolArguments {
 public:
  // Splits argv[first..] into options; names listed in switches take no value.
  ToolArguments(int argc, char** argv, int first, const std::set<std::string>& switches);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  bool Has(const std::string& name) const;
  std::string Text(const std::string& name, const std::string& fallback = "") const;
  // A whole number in [low, high]; records an error when the value is not one.
  std::int64_t Number(const std::string& name, std::int64_t fallback, std::int64_t low,
                      std::int64_t high);
  std::uint64_t Seed(const std::string& name, std::uint64_t fallback);
  // "on" or "off".
  bool OnOff(const std::string& name, bool fallback);
  // Names given that are not in the allowed set.
  std::vector<std::string> Unknown(const std::set<std::string>& allowed) const;

 private:
  std::map<std::string, std::string> values_;
  std::string error_;
};

}  // namespace klondar
