#pragma once

#include "kit/foundation/xml/XMLAttributes.h"

#include <string_view>

namespace kit::foundation {

// Receives a document's events in document order, on the thread that runs the parse. Names
// arrive as written, prefix included ("content:encoded"): namespaces are not processed.
class XMLParserDelegate {
public:
  virtual ~XMLParserDelegate() = default;

  virtual void didStartElement(std::string_view /*name*/, const XMLAttributes & /*attributes*/) {}
  virtual void didEndElement(std::string_view /*name*/) {}
  // A piece of character data with escapes undone; CDATA sections arrive here as well. One run
  // of text may come in several pieces.
  virtual void foundCharacters(std::string_view /*text*/) {}
  // Whether the delegate reads character data until its next element event. Asked at the start
  // and after every element event; while it says no, character data may go unreported, which
  // spares a delegate that reads few texts a call for every piece of the others.
  virtual bool wantsCharacters() const { return true; }
};

} // namespace kit::foundation
