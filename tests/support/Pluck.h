#pragma once

#include <string>
#include <vector>

namespace zavel::test {

// One member of every item, in order, so a whole list is checked in one comparison.
template <class Item, class Value>
std::vector<Value> pluck(const std::vector<Item> &items, Value Item::*member) {
  std::vector<Value> values;
  for (const auto &item : items)
    values.push_back(item.*member);
  return values;
}

// The texts with `separator` between them: a short list written as one literal.
inline std::string joined(const std::vector<std::string> &texts,
                          const std::string &separator = " ") {
  std::string result;
  for (std::size_t i = 0; i < texts.size(); ++i)
    result += (i ? separator : std::string()) + texts[i];
  return result;
}

// The members of every item joined.
template <class Item>
std::string joined(const std::vector<Item> &items, std::string Item::*member,
                   const std::string &separator = " ") {
  return joined(pluck(items, member), separator);
}

} // namespace zavel::test
