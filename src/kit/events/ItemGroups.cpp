#include "kit/events/ItemGroups.h"

#include "kit/events/ItemText.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace kit::events {

namespace {

// A UID's text is empty only when its value is.
bool withoutUid(const ItemComponent &item) {
  auto uid = item.first(PropertyName::uid);
  return !uid || uid->value.empty();
}

} // namespace

void ItemGroup::startItem() const {
  if (series)
    series->file->account->startItem();
  for (const auto &change : overrides)
    change.file->account->startItem();
}

ItemGroups::ItemGroups(const std::vector<CalendarFile> &files, ComponentKind kind)
    : files_(files), kind_(kind) {
  std::map<std::string_view, std::uint32_t> named;
  for (const auto &file : files)
    calendars_.push_back(
        named.try_emplace(file.calendar, static_cast<std::uint32_t>(named.size())).first->second);
  for (std::uint32_t at = 0; at < files.size(); ++at)
    for (const auto &item : files[at].items) {
      if (item.kind != kind || withoutUid(item))
        continue;
      std::string_view written = item.first(PropertyName::uid)->value;
      std::string uid = uidOf(item);
      std::string_view kept = uid == written ? written : uids_.emplace_back(std::move(uid));
      keys_.push_back({.uid = kept, .item = &item, .calendar = calendars_[at], .file = at});
    }
  std::sort(keys_.begin(), keys_.end(), [](const Key &a, const Key &b) {
    return std::tie(a.calendar, a.uid, a.file, a.item->index) <
           std::tie(b.calendar, b.uid, b.file, b.item->index);
  });
  for (std::size_t at = 0; at < keys_.size(); ++at)
    if (at == 0 || keys_[at].calendar != keys_[at - 1].calendar ||
        keys_[at].uid != keys_[at - 1].uid)
      firsts_.push_back({.file = keys_[at].file,
                         .index = keys_[at].item->index,
                         .keys = static_cast<std::uint32_t>(at)});
  std::sort(firsts_.begin(), firsts_.end(), [](const First &a, const First &b) {
    return std::tie(a.file, a.index) < std::tie(b.file, b.index);
  });
}

void ItemGroups::forEach(const std::function<void(const ItemGroup &)> &each) const {
  auto next = firsts_.begin();
  for (std::uint32_t at = 0; at < files_.size(); ++at)
    for (const auto &item : files_[at].items) {
      if (item.kind != kind_)
        continue;
      if (withoutUid(item)) {
        each({.id = uidlessId(at, item), .series = ItemPart{&files_[at], &item}, .overrides = {}});
      } else if (next != firsts_.end() && next->file == at && next->index == item.index) {
        each(groupAt(next->keys));
        ++next;
      }
    }
}

ItemGroup ItemGroups::groupAt(std::size_t keys) const {
  const Key &first = keys_[keys];
  ItemGroup group{.id = files_[first.file].calendar + "/" + std::string(first.uid),
                  .series = std::nullopt,
                  .overrides = {}};
  for (std::size_t at = keys; at < keys_.size() && keys_[at].calendar == first.calendar &&
                              keys_[at].uid == first.uid;
       ++at) {
    ItemPart part{&files_[keys_[at].file], keys_[at].item};
    if (part.item->first(PropertyName::recurrenceId))
      group.overrides.push_back(part);
    else if (!group.series)
      group.series = part;
  }
  return group;
}

std::string ItemGroups::uidlessId(std::uint32_t file, const ItemComponent &item) const {
  const CalendarFile &in = files_[file];
  // Ids are "<calendar>/<name>", the name of an item with a UID being its UID.
  std::string name = baseId(in, item).substr(in.calendar.size() + 1);
  while (hasUid(calendars_[file], name))
    name += "/1";
  return in.calendar + "/" + name;
}

bool ItemGroups::hasUid(std::uint32_t calendar, std::string_view uid) const {
  auto at = std::lower_bound(
      keys_.begin(), keys_.end(), std::pair(calendar, uid),
      [](const Key &key, const std::pair<std::uint32_t, std::string_view> &wanted) {
        return std::pair(key.calendar, key.uid) < wanted;
      });
  return at != keys_.end() && at->calendar == calendar && at->uid == uid;
}

} // namespace kit::events
