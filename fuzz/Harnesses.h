#pragma once

// Fuzz harnesses: each takes one input of any bytes, feeds it to a reader of outside data as the
// extension meets it, and checks what the reader promises. A finding aborts the process. The
// libFuzzer targets call one each; the replay driver runs them over their seed corpora, so CI
// (built with g++) keeps them compiling and passing.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zavel::fuzz {

// A feed document through the whole headline path: parsing, text cleaning, dates, link check,
// merging.
int fuzzFeedHeadlines(const std::uint8_t *data, std::size_t size);
// The input as every stored record, the usage log and the note file.
int fuzzStoredRecords(const std::uint8_t *data, std::size_t size);
// The input as stored theme settings and as a hex colour.
int fuzzThemeSettings(const std::uint8_t *data, std::size_t size);
// The input as a widget configuration and as an entity id or search text, as the host tool
// takes them.
int fuzzConfiguration(const std::uint8_t *data, std::size_t size);
// The input as a calendar file of the event store: events, reminders, a completion rewrite.
int fuzzCalendarFile(const std::uint8_t *data, std::size_t size);
// The input as the forecast, geocoding, air-quality and stock services' answers.
int fuzzServiceAnswers(const std::uint8_t *data, std::size_t size);

struct Harness {
  std::string_view name;
  int (*run)(const std::uint8_t *data, std::size_t size);
};

// Every harness, by the name of its corpus folder.
std::span<const Harness> harnesses();

} // namespace zavel::fuzz
