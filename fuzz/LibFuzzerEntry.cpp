// The entry of one libFuzzer target; ZAVEL_FUZZ_HARNESS names its harness.

#include "Harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  return zavel::fuzz::ZAVEL_FUZZ_HARNESS(data, size);
}
