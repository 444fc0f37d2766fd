#include "kit/foundation/ZoneRules.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kit::foundation {

namespace {

// No zone is more than a day from UTC; a week allows for anything real and keeps every sum far
// from overflow.
constexpr std::int64_t kLargestOffset = 7 * 86400;

// Reads big-endian numbers from the bytes, refusing to pass their end.
class Reader {
public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool has(std::uint64_t count) const { return count <= bytes_.size() - at_; }
  void skip(std::uint64_t count) { at_ += static_cast<std::size_t>(count); }
  std::size_t position() const { return at_; }
  std::string_view rest() const { return bytes_.substr(at_); }

  std::uint64_t unsignedOf(int size) {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
      value = value << 8 | static_cast<unsigned char>(bytes_[at_++]);
    return value;
  }
  std::int64_t signedOf(int size) {
    std::uint64_t value = unsignedOf(size);
    if (size == 4)
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<std::int64_t>(value);
  }

private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

struct Header {
  char version = 0;
  std::uint64_t isUtCount = 0, isStdCount = 0, leapCount = 0, timeCount = 0, typeCount = 0,
                charCount = 0;

  // The bytes of the data block that follows, with times of `timeSize` bytes.
  std::uint64_t blockSize(int timeSize) const {
    return timeCount * (timeSize + 1) + typeCount * 6 + charCount + leapCount * (timeSize + 4) +
           isStdCount + isUtCount;
  }
};

// A header and the room for the block after it, whose times are of `timeSize` bytes.
std::optional<Header> headerOf(Reader &reader, int timeSize) {
  if (!reader.has(44) || !reader.rest().starts_with("TZif"))
    return std::nullopt;
  Header header;
  header.version = reader.rest()[4];
  reader.skip(20);
  for (auto *count : {&header.isUtCount, &header.isStdCount, &header.leapCount, &header.timeCount,
                      &header.typeCount, &header.charCount})
    *count = reader.unsignedOf(4);
  if (header.typeCount == 0 || !reader.has(header.blockSize(timeSize)))
    return std::nullopt;
  return header;
}

struct Block {
  std::vector<std::int64_t> times;
  std::vector<std::uint8_t> typeOfTime;
  std::vector<ZoneChange> types;
};

std::optional<Block> blockOf(Reader &reader, const Header &header, int timeSize) {
  Block block;
  for (std::uint64_t i = 0; i < header.timeCount; ++i) {
    block.times.push_back(reader.signedOf(timeSize));
    if (i > 0 && block.times[i] <= block.times[i - 1])
      return std::nullopt;
  }
  for (std::uint64_t i = 0; i < header.timeCount; ++i) {
    block.typeOfTime.push_back(static_cast<std::uint8_t>(reader.unsignedOf(1)));
    if (block.typeOfTime.back() >= header.typeCount)
      return std::nullopt;
  }
  for (std::uint64_t i = 0; i < header.typeCount; ++i) {
    std::int64_t offset = reader.signedOf(4);
    bool daylight = reader.unsignedOf(1) != 0;
    reader.skip(1);
    if (std::abs(offset) > kLargestOffset)
      return std::nullopt;
    block.types.push_back({.offset = static_cast<std::int32_t>(offset), .daylight = daylight});
  }
  reader.skip(header.charCount + header.leapCount * (timeSize + 4) + header.isStdCount +
              header.isUtCount);
  return block;
}

// The rule on the file's last line, between two newlines; none when the line is empty or no
// rule.
std::optional<PosixZoneRule> footerOf(std::string_view rest) {
  if (rest.empty() || rest[0] != '\n')
    return std::nullopt;
  auto end = rest.find('\n', 1);
  if (end == std::string_view::npos || end == 1)
    return std::nullopt;
  return PosixZoneRule::parse(rest.substr(1, end - 1));
}

} // namespace

std::optional<ZoneRules> ZoneRules::fromZoneFile(std::string_view bytes) {
  Reader reader(bytes);
  auto header = headerOf(reader, 4);
  if (!header)
    return std::nullopt;
  int timeSize = 4;
  if (header->version >= '2') {
    // The first block, of 32-bit times, is there for old readers.
    reader.skip(header->blockSize(4));
    header = headerOf(reader, 8);
    if (!header)
      return std::nullopt;
    timeSize = 8;
  }
  auto block = blockOf(reader, *header, timeSize);
  if (!block)
    return std::nullopt;
  ZoneRules rules;
  // Before the first change, as the C library reads it: the first standard-time type.
  auto standard = std::find_if(block->types.begin(), block->types.end(),
                               [](const ZoneChange &type) { return !type.daylight; });
  rules.initial_ = standard != block->types.end() ? *standard : block->types.front();
  for (std::size_t i = 0; i < block->times.size(); ++i) {
    ZoneChange change = block->types[block->typeOfTime[i]];
    change.at = block->times[i];
    rules.listed_.push_back(change);
  }
  if (timeSize == 8)
    rules.rule_ = footerOf(reader.rest());
  return rules;
}

ZoneRules::ZoneRules(PosixZoneRule rule)
    : initial_{.offset = rule.standardOffset()}, rule_(std::move(rule)) {}

std::int32_t ZoneRules::offsetAt(std::int64_t unixSeconds) const {
  if (listed_.empty())
    return rule_ ? rule_->offsetAt(unixSeconds) : initial_.offset;
  if (unixSeconds < listed_.front().at)
    return initial_.offset;
  if (rule_ && unixSeconds >= listed_.back().at)
    return rule_->offsetAt(unixSeconds);
  auto after = std::upper_bound(
      listed_.begin(), listed_.end(), unixSeconds,
      [](std::int64_t moment, const ZoneChange &change) { return moment < change.at; });
  return std::prev(after)->offset;
}

} // namespace kit::foundation
