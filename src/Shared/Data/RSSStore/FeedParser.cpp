#include "Shared/Data/RSSStore/FeedParser.h"

#include "Shared/Data/RSSStore/FeedText.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <utility>

namespace zavel {

// The element names that mean something to a feed, and every other name.
enum class FeedElement : unsigned char {
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

namespace {

using Element = FeedElement;

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

constexpr std::size_t kLongestName = 15; // "content:encoded"

// For each length and first letter, one more than the index of the known name that has both,
// or 0: no two known names share both, so a name is compared with one of them at most.
constexpr auto kNameSlots = [] {
  std::array<std::array<std::uint8_t, 26>, kLongestName + 1> slots{};
  for (std::size_t i = 0; i < kElements.size(); ++i) {
    std::string_view name = kElements[i].first;
    std::uint8_t &slot = slots.at(name.size()).at(static_cast<std::size_t>(name.front() - 'a'));
    if (slot != 0)
      throw "two known names share their length and first letter";
    slot = static_cast<std::uint8_t>(i + 1);
  }
  return slots;
}();

bool isAscii(std::string_view text) {
  unsigned char bits = 0;
  for (char c : text)
    bits |= static_cast<unsigned char>(c);
  return bits < 0x80;
}

// ASCII letters compared ignoring case; every other byte only matches itself.
Element elementOfAsciiName(std::string_view name) {
  if (name.empty() || name.size() > kLongestName)
    return Element::other;
  auto letter = static_cast<std::size_t>(
      static_cast<unsigned char>(kit::foundation::asciiLower(name.front())) - 'a');
  if (letter >= 26)
    return Element::other;
  std::uint8_t slot = kNameSlots[name.size()][letter];
  if (slot == 0)
    return Element::other;
  // Its slot says it is as long as the name.
  auto [known, element] = kElements[slot - 1];
  return kit::foundation::equalsIgnoringASCIICase(known, name) ? element : Element::other;
}

// Names are compared lower-cased by the Unicode rules; nearly all are ASCII, compared in place.
// A name with a non-ASCII byte never matches in place (every known name is ASCII), and may still
// lower-case to one.
Element elementNamed(std::string_view name) {
  Element element = elementOfAsciiName(name);
  if (element != Element::other || isAscii(name))
    return element;
  std::string lowered;
  icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
      .toLower(icu::Locale::getRoot())
      .toUTF8String(lowered);
  return elementOfAsciiName(lowered);
}

bool isEntry(Element element) { return element == Element::item || element == Element::entry; }

} // namespace

void FeedParser::didStartElement(std::string_view name,
                                 const kit::foundation::XMLAttributes &attributes) {
  Element element = elementNamed(name);
  open_.push_back(element);
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
  gathering_ = readsText();
}

// An Atom link: the alternate one (an explicit rel of "alternate", or no rel) wins; another kind
// only fills an empty slot.
void FeedParser::takeLinkAttribute(const kit::foundation::XMLAttributes &attributes) {
  auto href = attributes.value("href");
  if (!href)
    return;
  std::string_view rel = attributes.value("rel").value_or("alternate");
  if (rel == "alternate" || !current_.link)
    current_.link.emplace(*href);
}

void FeedParser::foundCharacters(std::string_view text) {
  if (gathering_)
    text_.append(text);
}

void FeedParser::didEndElement(std::string_view /*name*/) {
  // The reader checks that the end tag names the innermost open element.
  Element element = Element::other;
  if (!open_.empty()) {
    element = open_.back();
    open_.pop_back();
  }
  if (inItem_)
    endEntryElement(element);
  text_.clear();
  gathering_ = readsText();
}

// Whether the end of the innermost open element would read the text gathered until then. Only an
// element boundary changes what this depends on.
bool FeedParser::readsText() const {
  if (!inItem_ || open_.empty())
    return false;
  switch (open_.back()) {
  case Element::title:
  case Element::link:
  case Element::description:
  case Element::summary:
  case Element::guid:
  case Element::id:
  case Element::pubDate:
  case Element::published:
  case Element::dcDate:
    return true;
  case Element::content:
  case Element::contentEncoded:
    return !current_.summary;
  case Element::updated:
    return !current_.dateString;
  default:
    return false;
  }
}

void FeedParser::endEntryElement(Element element) {
  if (element == Element::other)
    return;
  if (isEntry(element)) {
    inItem_ = false;
    // The next entry's start empties the current one again.
    if (onEntry_)
      onEntry_(std::move(current_));
    else
      items_.push_back(std::move(current_));
    return;
  }
  std::string_view text = trimmingWhitespaceAndNewlines(text_);
  switch (element) {
  case Element::title:
    current_.title = text;
    break;
  case Element::link:
    if (!text.empty())
      current_.link.emplace(text);
    break;
  case Element::description:
  case Element::summary:
    current_.summary.emplace(text);
    break;
  case Element::content:
  case Element::contentEncoded:
    if (!current_.summary && !text.empty())
      current_.summary.emplace(text);
    break;
  case Element::guid:
  case Element::id:
    current_.guid.emplace(text);
    break;
  case Element::pubDate:
  case Element::published:
  case Element::dcDate:
    current_.dateString.emplace(text);
    break;
  case Element::updated:
    if (!current_.dateString)
      current_.dateString.emplace(text);
    break;
  default:
    break;
  }
}

} // namespace zavel
