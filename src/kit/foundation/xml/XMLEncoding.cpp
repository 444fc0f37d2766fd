#include "kit/foundation/xml/XMLEncoding.h"

#include "kit/foundation/TextOperations.h"

#include <unicode/ucnv.h>

#include <climits>
#include <memory>

namespace kit::foundation {

namespace {

struct ConverterDeleter {
  void operator()(UConverter *converter) const { ucnv_close(converter); }
};

bool isXMLSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view skipSpace(std::string_view text) {
  while (!text.empty() && isXMLSpace(text.front()))
    text.remove_prefix(1);
  return text;
}

} // namespace

std::optional<std::string> declaredEncoding(std::string_view document) {
  if (!document.starts_with("<?xml") || document.size() < 6 || !isXMLSpace(document[5]))
    return std::nullopt;
  // A declaration is short; a document without its end is no declaration.
  auto end = document.substr(0, 1024).find("?>");
  if (end == std::string_view::npos)
    return std::nullopt;
  std::string_view declaration = document.substr(0, end);
  auto at = declaration.find("encoding");
  if (at == std::string_view::npos)
    return std::nullopt;
  std::string_view rest = skipSpace(declaration.substr(at + 8));
  if (rest.empty() || rest.front() != '=')
    return std::nullopt;
  rest = skipSpace(rest.substr(1));
  if (rest.empty() || (rest.front() != '"' && rest.front() != '\''))
    return std::nullopt;
  char quote = rest.front();
  rest.remove_prefix(1);
  auto close = rest.find(quote);
  if (close == std::string_view::npos)
    return std::nullopt;
  return std::string(rest.substr(0, close));
}

bool isNativeXMLEncoding(std::string_view encoding) {
  for (std::string_view native :
       {"UTF-8", "UTF-16", "UTF-16BE", "UTF-16LE", "ISO-8859-1", "US-ASCII"})
    if (equalsIgnoringASCIICase(encoding, native))
      return true;
  return false;
}

std::optional<std::string> convertedToUtf8(std::string_view document, const std::string &encoding) {
  if (document.size() > static_cast<std::size_t>(INT32_MAX / 4))
    return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterDeleter> converter(ucnv_open(encoding.c_str(), &status));
  if (U_FAILURE(status))
    return std::nullopt;
  // A byte outside the encoding fails the document, as a malformed byte does in UTF-8.
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  auto length = static_cast<int32_t>(document.size());
  // At most three UTF-8 bytes for each source byte, as every BMP character takes.
  std::string out(document.size() * 3 + 4, '\0');
  int32_t written =
      ucnv_toAlgorithmic(UCNV_UTF8, converter.get(), out.data(), static_cast<int32_t>(out.size()),
                         document.data(), length, &status);
  if (U_FAILURE(status))
    return std::nullopt;
  out.resize(static_cast<std::size_t>(written));
  return out;
}

} // namespace kit::foundation
