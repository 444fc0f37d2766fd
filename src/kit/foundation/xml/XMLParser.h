#pragma once

#include "kit/foundation/xml/XMLParserDelegate.h"

#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

struct XMLParseError {
  std::string message;
  unsigned long line = 0;
  unsigned long column = 0;
};

// An event parser for untrusted documents: no external entity or DTD is ever loaded, and a
// document that declares entities is refused (so no entity can amplify). Encodings beyond
// UTF-8, UTF-16, ISO-8859-1 and US-ASCII (windows-1252, KOI8-R, Shift_JIS, ...) are converted
// first. One parser may run several parses, one after the other.
class XMLParser {
public:
  // Reports the document's events to the delegate and stops at the first error. True when the
  // whole document was read and well-formed; otherwise parserError() says why. An exception
  // thrown by the delegate stops the parse and leaves through this call.
  bool parse(std::string_view document, XMLParserDelegate &delegate);

  const std::optional<XMLParseError> &parserError() const { return error_; }

private:
  std::optional<XMLParseError> error_;
};

} // namespace kit::foundation
