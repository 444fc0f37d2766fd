#include "kit/foundation/xml/XMLParser.h"

#include "kit/foundation/xml/XMLEncoding.h"

#include <expat.h>

#include <climits>
#include <exception>
#include <memory>
#include <type_traits>
#include <vector>

namespace kit::foundation {

namespace {

struct ExpatDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using Expat = std::unique_ptr<std::remove_pointer_t<XML_Parser>, ExpatDeleter>;

void XMLCALL onCharacters(void *user, const XML_Char *text, int length);

// What the callbacks share during one parse.
struct Run {
  XMLParserDelegate &delegate;
  XML_Parser parser;
  std::exception_ptr failure = {};
  bool declaredEntity = false;
  bool reportsCharacters = false;
  // The name lengths of the open elements, innermost last, so that an end tag's name, which
  // repeats its start tag's, is not measured again.
  std::vector<std::size_t> nameLengths = {};

  // Character data reaches the delegate only while it reads it: expat then skips the call.
  void followCharacterInterest() {
    bool wanted = delegate.wantsCharacters();
    if (wanted == reportsCharacters)
      return;
    reportsCharacters = wanted;
    XML_SetCharacterDataHandler(parser, wanted ? onCharacters : nullptr);
  }

  std::string_view startName(const XML_Char *name) {
    std::string_view named(name);
    nameLengths.push_back(named.size());
    return named;
  }

  // After a failure (even in pushing a length) events may still come, measured afresh.
  std::string_view endName(const XML_Char *name) {
    if (failure || nameLengths.empty())
      return name;
    std::string_view named(name, nameLengths.back());
    nameLengths.pop_back();
    return named;
  }

  // A delegate's exception must not unwind through expat's C frames.
  template <typename Event> void deliver(Event event) {
    try {
      event();
    } catch (...) {
      failure = std::current_exception();
      XML_StopParser(parser, XML_FALSE);
    }
  }
};

void XMLCALL onStart(void *user, const XML_Char *name, const XML_Char **attributes) {
  auto &run = *static_cast<Run *>(user);
  run.deliver([&] {
    run.delegate.didStartElement(run.startName(name), XMLAttributes(attributes));
    run.followCharacterInterest();
  });
}

void XMLCALL onEnd(void *user, const XML_Char *name) {
  auto &run = *static_cast<Run *>(user);
  run.deliver([&] {
    run.delegate.didEndElement(run.endName(name));
    run.followCharacterInterest();
  });
}

void XMLCALL onCharacters(void *user, const XML_Char *text, int length) {
  auto &run = *static_cast<Run *>(user);
  run.deliver([&] {
    run.delegate.foundCharacters(std::string_view(text, static_cast<std::size_t>(length)));
  });
}

// Any declared entity could expand, or point outside the document: the document is refused.
void XMLCALL onEntityDeclaration(void *user, const XML_Char *, int, const XML_Char *, int,
                                 const XML_Char *, const XML_Char *, const XML_Char *,
                                 const XML_Char *) {
  auto &run = *static_cast<Run *>(user);
  run.declaredEntity = true;
  XML_StopParser(run.parser, XML_FALSE);
}

bool feed(XML_Parser parser, std::string_view input) {
  constexpr std::size_t largest = INT_MAX / 2;
  while (input.size() > largest) {
    if (XML_Parse(parser, input.data(), static_cast<int>(largest), XML_FALSE) != XML_STATUS_OK)
      return false;
    input.remove_prefix(largest);
  }
  return XML_Parse(parser, input.data(), static_cast<int>(input.size()), XML_TRUE) == XML_STATUS_OK;
}

} // namespace

bool XMLParser::parse(std::string_view document, XMLParserDelegate &delegate) {
  error_.reset();
  std::string converted;
  const XML_Char *encoding = nullptr;
  if (auto declared = declaredEncoding(document); declared && !isNativeXMLEncoding(*declared)) {
    auto utf8 = convertedToUtf8(document, *declared);
    if (!utf8) {
      error_ = XMLParseError{"unsupported encoding or a byte outside it: " + *declared, 1, 0};
      return false;
    }
    converted = std::move(*utf8);
    document = converted;
    // Overrides the declaration, which still names the old encoding.
    encoding = "UTF-8";
  }

  Expat parser(XML_ParserCreate(encoding));
  if (!parser) {
    error_ = XMLParseError{"out of memory", 0, 0};
    return false;
  }
  Run run{delegate, parser.get()};
  XML_SetUserData(parser.get(), &run);
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
  XML_SetEntityDeclHandler(parser.get(), onEntityDeclaration);
  XML_SetElementHandler(parser.get(), onStart, onEnd);
  run.followCharacterInterest();

  bool ok = feed(parser.get(), document);
  if (run.failure)
    std::rethrow_exception(run.failure);
  if (ok)
    return true;
  std::string message = run.declaredEntity ? "the document declares entities"
                                           : XML_ErrorString(XML_GetErrorCode(parser.get()));
  error_ = XMLParseError{message, XML_GetCurrentLineNumber(parser.get()),
                         XML_GetCurrentColumnNumber(parser.get())};
  return false;
}

} // namespace kit::foundation
