// Replays the seed corpus of one harness: every file below the given folders, one input each.
// CI runs it for every harness, so the harnesses keep building and passing without clang. An
// input that runs longer than a few seconds stops the replay as a failure, naming the input.

#include "Harnesses.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr unsigned kSecondsPerInput = 5;

// The input being replayed, for the alarm to name; written before each input is run.
char currentInput[4096];

void onInputTimeout(int) {
  constexpr char prefix[] = "fuzz_replay: an input ran longer than the limit: ";
  [[maybe_unused]] auto a = ::write(STDERR_FILENO, prefix, sizeof prefix - 1);
  [[maybe_unused]] auto b = ::write(STDERR_FILENO, currentInput, std::strlen(currentInput));
  [[maybe_unused]] auto c = ::write(STDERR_FILENO, "\n", 1);
  ::_exit(3);
}

} // namespace

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
  std::signal(SIGALRM, onInputTimeout);
  for (const auto &input : inputs) {
    std::ifstream file(input, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::snprintf(currentInput, sizeof currentInput, "%s", input.c_str());
    ::alarm(kSecondsPerInput);
    harness->run(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    ::alarm(0);
  }
  std::printf("%s: %zu inputs replayed\n", argv[1], inputs.size());
  return inputs.empty() ? 1 : 0;
}
