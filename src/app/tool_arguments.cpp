#include "tool_arguments.h"

#include <charconv>

namespace klondar {

ToolArguments::ToolArguments(int argc, char** argv, int first,
                             const std::set<std::string>& switches) {
  for (int i = first; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      error_ = "unexpected argument: " + word;
      return;
    }
    const std::string name = word.substr(2);
    if (switches.count(name) != 0) {
      values_[name] = "";
      continue;
    }
    if (i + 1 >= argc) {
      error_ = "--" + name + " needs a value";
      return;
    }
    values_[name] = argv[++i];
  }
}

bool ToolArguments::Has(const std::string& name) const { return values_.count(name) != 0; }

std::string ToolArguments::Text(const std::string& name, const std::string& fallback) const {
  const auto found = values_.find(name);
  return found == values_.end() ? fallback : found->second;
}

std::int64_t ToolArguments::Number(const std::string& name, std::int64_t fallback, std::int64_t low,
                                   std::int64_t high) {
  if (!Has(name)) return fallback;
  const std::string text = Text(name);
  std::int64_t value = 0;
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    error_ = "--" + name + " must be a whole number from " + std::to_string(low) + " to " +
             std::to_string(high);
    return fallback;
  }
  return value;
}

std::uint64_t ToolArguments::Seed(const std::string& name, std::uint64_t fallback) {
  if (!Has(name)) return fallback;
  const std::string text = Text(name);
  std::uint64_t value = 0;
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end != text.data() + text.size()) {
    error_ = "--" + name + " must be a whole number";
    return fallback;
  }
  return value;
}

bool ToolArguments::OnOff(const std::string& name, bool fallback) {
  if (!Has(name)) return fallback;
  const std::string text = Text(name);
  if (text == "on") return true;
  if (text == "off") return false;
  error_ = "--" + name + " must be on or off";
  return fallback;
}

std::vector<std::string> ToolArguments::Unknown(const std::set<std::string>& allowed) const {
  std::vector<std::string> unknown;
  for (const auto& [name, value] : values_) {
    if (allowed.count(name) == 0) unknown.push_back(name);
  }
  return unknown;
}

}  // namespace klondar
