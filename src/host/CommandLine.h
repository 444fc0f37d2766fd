#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::host {

// An option a command accepts: "--scale" with a value after it, or "--preview" alone.
struct OptionRule {
  std::string_view name;
  bool takesValue = false;
};

// A command's words split into operands and options, checked against what it accepts. A word
// that starts with "-" and is no number is an option; every other word is an operand.
class CommandLine {
public:
  // Throws HelpRequested when "--help" or "-h" is among the options; BadInput for an unknown or
  // repeated option, an option without its value, or a count of operands outside
  // [minOperands, maxOperands].
  CommandLine(std::span<const std::string> words, std::initializer_list<OptionRule> accepted,
              std::size_t minOperands, std::size_t maxOperands);

  const std::vector<std::string> &operands() const { return operands_; }
  const std::string &operand(std::size_t index) const { return operands_.at(index); }
  std::optional<std::string> value(std::string_view option) const;
  // The option's value; BadInput when it was not given.
  const std::string &required(std::string_view option) const;
  bool has(std::string_view option) const;

private:
  std::vector<std::string> operands_;
  std::map<std::string, std::string, std::less<>> options_;
};

} // namespace zavel::host
