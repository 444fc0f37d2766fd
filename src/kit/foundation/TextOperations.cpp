#include "kit/foundation/TextOperations.h"

#include "kit/foundation/IcuText.h"

#include <algorithm>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace kit::foundation {

namespace {

icu::UnicodeString composed(const icu::UnicodeString &text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status))
    return text;
  auto result = nfc->normalize(text, status);
  return U_FAILURE(status) ? text : result;
}

bool usesTurkicCaseRules(const Locale &locale) {
  std::string_view language = locale.icuLocale().getLanguage();
  return language == "tr" || language == "az";
}

icu::UnicodeString folded(std::string_view text, const Locale &locale) {
  auto result = unicodeText(text);
  result.foldCase(usesTurkicCaseRules(locale) ? U_FOLD_CASE_EXCLUDE_SPECIAL_I
                                              : U_FOLD_CASE_DEFAULT);
  return composed(result);
}

} // namespace

bool localizedCaseInsensitiveContains(std::string_view text, std::string_view search,
                                      const Locale &locale) {
  if (search.empty())
    return false;
  return folded(text, locale).indexOf(folded(search, locale)) >= 0;
}

std::string prefixCharacters(std::string_view text, size_t count) {
  auto whole = unicodeText(text);
  UErrorCode status = U_ZERO_ERROR;
  // A character iterator is costly to make: one per thread, reused.
  thread_local std::unique_ptr<icu::BreakIterator> characters(
      icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
  if (!characters)
    return std::string(text);
  characters->setText(whole);
  int32_t end = characters->first();
  for (size_t i = 0; i < count; ++i) {
    int32_t next = characters->next();
    if (next == icu::BreakIterator::DONE)
      break;
    end = next;
  }
  return utf8Text(icu::UnicodeString(whole, 0, end));
}

std::string uppercased(std::string_view text) {
  return utf8Text(unicodeText(text).toUpper(icu::Locale::getRoot()));
}

std::string lowercased(std::string_view text) {
  return utf8Text(unicodeText(text).toLower(icu::Locale::getRoot()));
}

bool isUppercase(std::string_view text) {
  // By case mapping rather than the Uppercase property, so a letter with combining marks counts.
  auto first = unicodeText(prefixCharacters(text, 1));
  if (first.isEmpty())
    return false;
  auto upper = first;
  auto lower = first;
  return upper.toUpper(icu::Locale::getRoot()) == first &&
         lower.toLower(icu::Locale::getRoot()) != first;
}

std::string capitalized(std::string_view text) {
  // No break iterator given: ICU titles by its word-break rules.
  return utf8Text(unicodeText(text).toTitle(nullptr, icu::Locale::getRoot()));
}

bool isWhitespace(int32_t c) { return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR; }

bool isNewline(int32_t c) {
  return (c >= '\n' && c <= '\r') || c == 0x85 || c == 0x2028 || c == 0x2029;
}

std::string trimmingWhitespace(std::string_view text) {
  auto whole = unicodeText(text);
  int32_t start = 0;
  int32_t end = whole.length();
  while (start < end && isWhitespace(whole.char32At(start)))
    start = whole.moveIndex32(start, 1);
  while (end > start && isWhitespace(whole.char32At(whole.moveIndex32(end, -1))))
    end = whole.moveIndex32(end, -1);
  return utf8Text(icu::UnicodeString(whole, start, end - start));
}

std::string precomposed(std::string_view text) { return utf8Text(composed(unicodeText(text))); }

std::string asciiLowercased(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), asciiLower);
  return result;
}

std::string asciiUppercased(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), asciiUpper);
  return result;
}

} // namespace kit::foundation
