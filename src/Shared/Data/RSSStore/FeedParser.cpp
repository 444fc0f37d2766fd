#include "Shared/Data/RSSStore/FeedParser.h"

#include "Shared/Data/RSSStore/FeedText.h"

#include <algorithm>
#include <array>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace zavel {

namespace {

// The element names that mean something to a feed, and every other name.
enum class Element {
  other,
  rss,
  feed,
  rdf,
  item,
  entry,
  title,
  link,
  description,
  summary,
  content,
  contentEncoded,
  guid,
  id,
  pubDate,
  published,
  dcDate,
  updated,
};

constexpr std::array<std::pair<std::string_view, Element>, 17> kElements = {{
    {"rss", Element::rss},
    {"feed", Element::feed},
    {"rdf:rdf", Element::rdf},
    {"item", Element::item},
    {"entry", Element::entry},
    {"title", Element::title},
    {"link", Element::link},
    {"description", Element::description},
    {"summary", Element::summary},
    {"content", Element::content},
    {"content:encoded", Element::contentEncoded},
    {"guid", Element::guid},
    {"id", Element::id},
    {"pubdate", Element::pubDate},
    {"published", Element::published},
    {"dc:date", Element::dcDate},
    {"updated", Element::updated},
}};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

Element elementOfLowercased(std::string_view lowered) {
  for (const auto &[name, element] : kElements) {
    if (name == lowered)
      return element;
  }
  return Element::other;
}

// Names are compared lower-cased by the Unicode rules; nearly all are ASCII, compared in place.
Element elementNamed(std::string_view name) {
  bool ascii = std::all_of(name.begin(), name.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) {
    std::string lowered;
    icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
        .toLower(icu::Locale::getRoot())
        .toUTF8String(lowered);
    return elementOfLowercased(lowered);
  }
  for (const auto &[known, element] : kElements) {
    if (known.size() == name.size() &&
        std::equal(known.begin(), known.end(), name.begin(),
                   [](char k, char c) { return k == lowerAscii(c); }))
      return element;
  }
  return Element::other;
}

bool isEntry(Element element) { return element == Element::item || element == Element::entry; }

} // namespace

void FeedParser::didStartElement(std::string_view name,
                                 const kit::foundation::XMLAttributes &attributes) {
  Element element = elementNamed(name);
  if (!sawRoot_) {
    sawRoot_ = true;
    isFeedDocument_ =
        element == Element::rss || element == Element::feed || element == Element::rdf;
  }
  if (isEntry(element)) {
    inItem_ = true;
    current_ = RawItem{};
  }
  if (inItem_ && element == Element::link)
    takeLinkAttribute(attributes);
  text_.clear();
}

// An Atom link: the alternate one (an explicit rel of "alternate", or no rel) wins; another kind
// only fills an empty slot.
void FeedParser::takeLinkAttribute(const kit::foundation::XMLAttributes &attributes) {
  auto href = attributes.value("href");
  if (!href)
    return;
  std::string_view rel = attributes.value("rel").value_or("alternate");
  if (rel == "alternate" || !current_.link)
    current_.link = std::string(*href);
}

void FeedParser::foundCharacters(std::string_view text) {
  // Outside an entry no text is ever read, and an entry's start empties it anyway.
  if (inItem_)
    text_.append(text);
}

void FeedParser::didEndElement(std::string_view name) {
  if (inItem_)
    endEntryElement(name);
  text_.clear();
}

void FeedParser::endEntryElement(std::string_view name) {
  Element element = elementNamed(name);
  if (element == Element::other)
    return;
  if (isEntry(element)) {
    inItem_ = false;
    items_.push_back(std::move(current_));
    current_ = RawItem{};
    return;
  }
  std::string_view text = trimmingWhitespaceAndNewlines(text_);
  switch (element) {
  case Element::title:
    current_.title = text;
    break;
  case Element::link:
    if (!text.empty())
      current_.link = std::string(text);
    break;
  case Element::description:
  case Element::summary:
    current_.summary = std::string(text);
    break;
  case Element::content:
  case Element::contentEncoded:
    if (!current_.summary && !text.empty())
      current_.summary = std::string(text);
    break;
  case Element::guid:
  case Element::id:
    current_.guid = std::string(text);
    break;
  case Element::pubDate:
  case Element::published:
  case Element::dcDate:
    current_.dateString = std::string(text);
    break;
  case Element::updated:
    if (!current_.dateString)
      current_.dateString = std::string(text);
    break;
  default:
    break;
  }
}

} // namespace zavel
