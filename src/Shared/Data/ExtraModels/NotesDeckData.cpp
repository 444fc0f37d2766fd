#include "Shared/Data/ExtraModels/NotesDeckData.h"

#include "kit/foundation/Clock.h"

namespace zavel {

namespace {

NotesDeckData makeSample() {
  kit::foundation::Date built = kit::foundation::systemNow();
  auto note = [&](const char *text, bool pinned) {
    return NoteItem{kit::foundation::UUID::random(), text, built, pinned};
  };
  return {{note("Zavel — set 02 ideas\nSquare grid, fixed 2×2\nCream casing colorway\n"
                "Chime when timer ends?\nBolt key = low power",
                true),
           note("Hardware references\n70s dictaphones\nField recorders\n"
                "Split-flap departure boards",
                false),
           note("Groceries\nOat milk\nRye bread\nBlood oranges", false)},
          0};
}

} // namespace

const NotesDeckData &NotesDeckData::sample() {
  static const NotesDeckData sample = makeSample();
  return sample;
}

} // namespace zavel
