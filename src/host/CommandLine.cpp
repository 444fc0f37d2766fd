#include "host/CommandLine.h"

#include "host/CommandErrors.h"
#include "host/QuotedText.h"

#include <algorithm>
#include <charconv>

namespace zavel::host {
namespace {

bool isNumber(std::string_view word) {
  double number = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  return error == std::errc() && end == word.data() + word.size();
}

bool isOption(std::string_view word) {
  return word.size() > 1 && word[0] == '-' && !isNumber(word);
}

const OptionRule *findRule(std::initializer_list<OptionRule> accepted, std::string_view name) {
  auto found = std::find_if(accepted.begin(), accepted.end(),
                            [&](const OptionRule &rule) { return rule.name == name; });
  return found == accepted.end() ? nullptr : found;
}

} // namespace

CommandLine::CommandLine(std::span<const std::string> words,
                         std::initializer_list<OptionRule> accepted, std::size_t minOperands,
                         std::size_t maxOperands) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string &word = words[i];
    if (!isOption(word)) {
      operands_.push_back(word);
      continue;
    }
    if (word == "--help" || word == "-h")
      throw HelpRequested();
    const OptionRule *rule = findRule(accepted, word);
    if (!rule)
      throw BadInput("unknown option " + quotedWord(word));
    if (options_.contains(word))
      throw BadInput("option " + quotedWord(word) + " given twice");
    if (rule->takesValue && i + 1 == words.size())
      throw BadInput("option " + quotedWord(word) + " needs a value");
    options_[word] = rule->takesValue ? words[++i] : std::string();
  }
  if (operands_.size() < minOperands)
    throw BadInput("missing arguments");
  if (operands_.size() > maxOperands)
    throw BadInput("unexpected argument " + quotedWord(operands_[maxOperands]));
}

std::optional<std::string> CommandLine::value(std::string_view option) const {
  auto found = options_.find(option);
  if (found == options_.end())
    return std::nullopt;
  return found->second;
}

const std::string &CommandLine::required(std::string_view option) const {
  auto found = options_.find(option);
  if (found == options_.end())
    throw BadInput("missing option " + std::string(option));
  return found->second;
}

bool CommandLine::has(std::string_view option) const { return options_.contains(option); }

} // namespace zavel::host
