#include "kit/system/VolumeCapacity.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

using kit::system::readVolumeCapacity;
using kit::system::StatVfsFunction;
using kit::system::VolumeCapacity;

namespace {

StatVfsFunction reporting(unsigned long fragment, unsigned long block, fsblkcnt_t blocks,
                          fsblkcnt_t available) {
  return [=](const char *, struct statvfs *result) {
    *result = {};
    result->f_frsize = fragment;
    result->f_bsize = block;
    result->f_blocks = blocks;
    result->f_bavail = available;
    result->f_bfree = available + 10;
    return 0;
  };
}

} // namespace

TEST(VolumeCapacity, MultipliesBlocksByTheirSize) {
  struct Case {
    StatVfsFunction call;
    std::optional<VolumeCapacity> expected;
  } cases[] = {
      {reporting(4096, 4096, 1000, 250),
       VolumeCapacity{.totalBytes = 4096000, .availableBytes = 1024000}},
      {reporting(0, 512, 10, 5), VolumeCapacity{.totalBytes = 5120, .availableBytes = 2560}},
      {reporting(4096, 4096, 10, 20), VolumeCapacity{.totalBytes = 40960, .availableBytes = 40960}},
      {reporting(4096, 4096, UINT64_MAX, 1),
       VolumeCapacity{.totalBytes = UINT64_MAX, .availableBytes = 4096}},
      {reporting(4096, 4096, 0, 0), std::nullopt},
      {[](const char *, struct statvfs *) { return -1; }, std::nullopt},
      {nullptr, std::nullopt},
  };
  for (const auto &c : cases)
    EXPECT_EQ(readVolumeCapacity("/home/someone", c.call), c.expected);
}

TEST(HomeDirectory, HomeVariableFirstThenThePasswordDatabase) {
  {
    zavel::test::ScopedEnvironment home({{"HOME", std::string("/somewhere/else")}});
    EXPECT_EQ(kit::system::homeDirectory(), std::filesystem::path("/somewhere/else"));
  }
  zavel::test::ScopedEnvironment empty({{"HOME", std::string()}});
  auto fallback = kit::system::homeDirectory();
  ASSERT_TRUE(fallback);
  EXPECT_FALSE(fallback->empty());
}
