#include "Shared/Data/ExtraModels/HabitItem.h"

namespace zavel {

namespace {

HabitItem sampleHabit(std::string_view id, std::string name) {
  return {*kit::foundation::UUID::fromString(id), std::move(name), {}};
}

} // namespace

const std::vector<HabitItem> &HabitItem::samples() {
  static const std::vector<HabitItem> samples{
      sampleHabit("B7BCFDAB-41A1-4561-B65F-9F3E489C5A9A", "Run"),
      sampleHabit("D7A41609-6DF6-415E-A589-01E1CE06DDF6", "Read"),
      sampleHabit("49A550D3-1194-4CB1-8ABE-94184BAB8674", "No sugar"),
  };
  return samples;
}

} // namespace zavel
