#include "Shared/Data/ExtrasProviders/QuoteProvider.h"

#include <cstdint>

namespace zavel::QuoteProvider {

const std::array<QuoteItem, 30> &quotations() {
  static const std::array<QuoteItem, 30> table{{
      {"Simplicity is the ultimate sophistication.", "Leonardo da Vinci"},
      {"Stay hungry, stay foolish.", "Stewart Brand"},
      {"The best way out is always through.", "Robert Frost"},
      {"Well done is better than well said.", "Benjamin Franklin"},
      {"Whatever you are, be a good one.", "Abraham Lincoln"},
      {"Nothing will come of nothing.", "William Shakespeare"},
      {"The only way to do great work is to love what you do.", "Steve Jobs"},
      {"It always seems impossible until it's done.", "Nelson Mandela"},
      {"Knowledge is power.", "Francis Bacon"},
      {"I think, therefore I am.", "René Descartes"},
      {"The unexamined life is not worth living.", "Socrates"},
      {"Be the change you wish to see in the world.", "Mahatma Gandhi"},
      {"Fortune favours the bold.", "Virgil"},
      {"What we think, we become.", "Buddha"},
      {"Imagination is more important than knowledge.", "Albert Einstein"},
      {"Everything you can imagine is real.", "Pablo Picasso"},
      {"The journey of a thousand miles begins with one step.", "Lao Tzu"},
      {"Quality is not an act, it is a habit.", "Aristotle"},
      {"Lost time is never found again.", "Benjamin Franklin"},
      {"Not all those who wander are lost.", "J. R. R. Tolkien"},
      {"To be, or not to be, that is the question.", "William Shakespeare"},
      {"The secret of getting ahead is getting started.", "Mark Twain"},
      {"In the middle of difficulty lies opportunity.", "Albert Einstein"},
      {"Simplicity is the keynote of all true elegance.", "Coco Chanel"},
      {"He who has a why to live can bear almost any how.", "Friedrich Nietzsche"},
      {"Done is better than perfect.", "Sheryl Sandberg"},
      {"Dwell on the beauty of life.", "Marcus Aurelius"},
      {"Happiness depends upon ourselves.", "Aristotle"},
      {"Action is the foundational key to all success.", "Pablo Picasso"},
      {"Whatever you do, do it well.", "Walt Disney"},
  }};
  return table;
}

const QuoteItem &today(kit::foundation::Date date, const kit::foundation::Calendar &calendar) {
  const auto &table = quotations();
  const auto size = static_cast<int64_t>(table.size());
  // Days before the era's first give negative ordinals; they still walk the list forward.
  int64_t index = (calendar.dayOfEra(date) % size + size) % size;
  return table[static_cast<std::size_t>(index)];
}

} // namespace zavel::QuoteProvider
