#include "kit/events/ItemText.h"

#include "kit/events/IcalTime.h"
#include "kit/foundation/TextOperations.h"
#include "kit/foundation/Utf8.h"

namespace kit::events {

std::string textValue(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    switch (char escaped = value[++i]) {
    case 'n':
    case 'N':
      text += '\n';
      break;
    case 't':
    case 'T':
      text += '\t';
      break;
    case 'r':
    case 'R':
      text += '\r';
      break;
    case 'b':
    case 'B':
      text += '\b';
      break;
    case 'f':
    case 'F':
      text += '\f';
      break;
    case ';':
    case ',':
    case '"':
    case '\\':
      text += escaped;
      break;
    default:
      text += ' '; // an escape the format does not have
    }
  }
  return foundation::sanitizedUtf8(text);
}

std::optional<std::string> itemText(const ItemComponent &item, PropertyName name) {
  auto property = item.first(name);
  if (!property)
    return std::nullopt;
  // Every escape takes two bytes for at most one: the text read from this much has all it keeps.
  std::string text = textValue(std::string_view(property->value).substr(0, 2 * kMaxItemText));
  if (text.size() > kMaxItemText)
    text.resize(foundation::characterStart(text, kMaxItemText));
  return text;
}

std::string uidOf(const ItemComponent &item) {
  auto uid = item.first(PropertyName::uid);
  return uid ? textValue(uid->value) : std::string();
}

std::string baseId(const CalendarFile &file, const ItemComponent &item) {
  std::string uid = uidOf(item);
  if (!uid.empty())
    return file.calendar + "/" + uid;
  std::string id = file.calendar + "/" + file.fileName;
  if (item.uidlessIndex > 0)
    id += "/" + std::to_string(item.uidlessIndex + 1);
  return id;
}

void numberUidlessItems(ItemList &items) {
  std::size_t events = 0;
  std::size_t todos = 0;
  for (auto &item : items)
    if (uidOf(item).empty())
      item.uidlessIndex = item.kind == ComponentKind::event ? events++ : todos++;
}

std::optional<std::string> statusOf(const ItemComponent &item) {
  auto status = item.first(PropertyName::status);
  if (!status)
    return std::nullopt;
  return foundation::asciiUppercased(status->value);
}

bool isCancelled(const ItemComponent &item) { return statusOf(item) == "CANCELLED"; }

bool isCompleted(const ItemComponent &todo) {
  if (auto status = statusOf(todo))
    return *status == "COMPLETED";
  auto completed = todo.first(PropertyName::completed);
  return completed && holdsTime(*completed);
}

} // namespace kit::events
