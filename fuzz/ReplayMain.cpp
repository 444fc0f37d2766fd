// Replays the seed corpus of one harness: every file below the given folders, one input each.
// CI runs it for every harness, so the harnesses keep building and passing without clang.

#include "Harnesses.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: fuzz_replay HARNESS FOLDER...\n");
    return 2;
  }
  auto all = zavel::fuzz::harnesses();
  auto harness = std::find_if(all.begin(), all.end(),
                              [&](const auto &candidate) { return candidate.name == argv[1]; });
  if (harness == all.end()) {
    std::fprintf(stderr, "fuzz_replay: no harness \"%s\"\n", argv[1]);
    return 2;
  }
  std::vector<std::filesystem::path> inputs;
  for (int i = 2; i < argc; ++i)
    for (const auto &entry : std::filesystem::recursive_directory_iterator(argv[i]))
      if (entry.is_regular_file())
        inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  for (const auto &input : inputs) {
    std::ifstream file(input, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    harness->run(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
  }
  std::printf("%s: %zu inputs replayed\n", argv[1], inputs.size());
  return inputs.empty() ? 1 : 0;
}
