#pragma once

#include "kit/foundation/xml/XMLParserDelegate.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zavel {

// What an element name means to a feed (defined beside the parser).
enum class FeedElement : unsigned char;

// Reads one RSS 2.0, RSS 1.0 (RDF) or Atom document, fed by an XML event parser, into its raw
// entries. Nothing is interpreted here: texts are only trimmed, never stripped of markup,
// decoded or parsed. Made, driven through one document, then read.
class FeedParser : public kit::foundation::XMLParserDelegate {
public:
  // One entry as the document gives it; a field the document never set stays absent.
  struct RawItem {
    std::string title;
    std::optional<std::string> link;
    std::optional<std::string> summary;
    std::optional<std::string> guid;
    std::optional<std::string> dateString;
    bool operator==(const RawItem &) const = default;
  };
  using EntryHandler = std::function<void(RawItem &&)>;

  // Keeps every finished entry in items().
  FeedParser() = default;
  // Hands each entry to `onEntry` as it finishes, in document order, and keeps none, so a reader
  // that wants a few of a long document holds only those.
  explicit FeedParser(EntryHandler onEntry) : onEntry_(std::move(onEntry)) {}

  // Finished entries, in document order; none when a handler takes them.
  const std::vector<RawItem> &items() const { return items_; }
  // Whether the document's first element is a feed root ("rss", "feed", "rdf:RDF", any case).
  bool isFeedDocument() const { return isFeedDocument_; }

  void didStartElement(std::string_view name,
                       const kit::foundation::XMLAttributes &attributes) override;
  void didEndElement(std::string_view name) override;
  void foundCharacters(std::string_view text) override;
  bool wantsCharacters() const override { return gathering_; }

private:
  void takeLinkAttribute(const kit::foundation::XMLAttributes &attributes);
  void endEntryElement(FeedElement element);
  bool readsText() const;

  EntryHandler onEntry_;
  std::vector<RawItem> items_;
  bool isFeedDocument_ = false;
  bool sawRoot_ = false;
  bool inItem_ = false;
  RawItem current_;
  // The open elements, innermost last: an end tag always closes the innermost one.
  std::vector<FeedElement> open_;
  // Whether the innermost element's end would read the text that comes now, so that text
  // nobody reads is never gathered.
  bool gathering_ = false;
  // Character data since the last element boundary, while gathering.
  std::string text_;
};

} // namespace zavel
