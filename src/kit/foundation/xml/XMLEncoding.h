#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

// The encoding named by the XML declaration at the very start of the document, if any.
std::optional<std::string> declaredEncoding(std::string_view document);

// Whether the XML reader handles the encoding itself (compared case-insensitively).
bool isNativeXMLEncoding(std::string_view encoding);

// The document in UTF-8; none when the encoding is unknown or a byte does not belong to it.
std::optional<std::string> convertedToUtf8(std::string_view document, const std::string &encoding);

} // namespace kit::foundation
