#include "Shared/Data/RSSStore/SampleItems.h"

#include <fmt/format.h>

namespace zavel::RSSStore {

namespace {

struct Sample {
  const char *feedTitle;
  const char *title;
  const char *summary;
  double age; // seconds before the first use
};

constexpr Sample kSamples[] = {
    {"THE TERMINAL WIRE", "E-ink desk displays are having a moment",
     "Slow screens, fast typists: a look at the small studios shipping paper-quiet hardware for "
     "people who stare at dashboards all day.",
     0},
    {"FIELD NOTES", "Notes on designing for one-bit screens",
     "Dithering, hinting and the discipline of two colors — what forty-year-old firmware still "
     "teaches about contrast.",
     1560},
    {"ZAVEL LABS", "Firmware 2.4 ships a quieter boot chime",
     "The chime drops six decibels, the keys debounce faster, and the cream colorway finally "
     "photographs the way it looks on the desk.",
     7200},
    {"THE TERMINAL WIRE", "The return of the beige workstation",
     "Retailers report a run on putty-colored enclosures as studios re-discover the calm of "
     "hardware that doesn't glow.",
     14400},
    {"FIELD NOTES", "Why every control room loved amber phosphor",
     "Operators swore by it for decades. The eye-strain studies, the folklore, and the tubes that "
     "refuse to die.",
     25200},
    {"ZAVEL LABS", "Prototyping key travel with paper and patience",
     "Forty-one foam mockups later, the orange key lands at 2 millimeters — notes from the bench "
     "on finding the click.",
     93600},
    {"THE TERMINAL WIRE", "Split-flap boards, rebuilt by hobbyists",
     "A weekend community is reverse-engineering departure boards one clacking module at a time "
     "— and printing the parts nobody sells.",
     172800},
    {"FIELD NOTES", "A field guide to seven-segment typography",
     "Eight strokes, endless character. How constraint bred the most legible numerals ever put "
     "on a device.",
     259200},
    {"THE TERMINAL WIRE", "Inside the studio that still masters on tape",
     "Reel machines, razor edits and a waiting list two years long — analog mastering's stubborn "
     "little renaissance.",
     432000},
};

std::vector<RSSItem> makeSamples(kit::foundation::Date now) {
  std::vector<RSSItem> items;
  int n = 1;
  for (const auto &sample : kSamples) {
    items.push_back(RSSItem{
        .id = fmt::format("zavel.rss.sample.{}", n),
        .feedTitle = sample.feedTitle,
        .title = sample.title,
        .summary = sample.summary,
        .link = fmt::format("https://wire.zavel.example/wire/{}", n),
        .published = now.addingTimeInterval(-sample.age),
    });
    ++n;
  }
  return items;
}

} // namespace

const std::vector<RSSItem> &sampleItems() {
  static const std::vector<RSSItem> items = makeSamples(kit::foundation::systemNow());
  return items;
}

} // namespace zavel::RSSStore
