#pragma once

#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zavel::host::testing {

// What one run of the host printed and returned.
struct HostResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the host in this process on the test bundle.
HostResult runHost(const std::vector<std::string> &words);

// The same on the extension's own widgets and intents.
HostResult runHostOnWidgets(const std::vector<std::string> &words);

// Runs the built zavel-widgets program with `words` in the current environment (the test's
// ZAVEL_HOME), with TZ and LANG fixed, and waits for it.
HostResult runExecutable(const std::vector<std::string> &words);

// Runs another copy of the program (an installed one) the same way, from `folder`.
HostResult runProgramFrom(const std::filesystem::path &folder, const std::filesystem::path &program,
                          const std::vector<std::string> &words);

// The same with the program's clock stopped at `moment` ("2026-03-02 10:15:42", local time in
// Europe/Oslo, as faketime reads it), so dates it reads and prints are known.
HostResult runExecutableAt(const std::string &moment, const std::vector<std::string> &words);

// The zone and language every run of the program gets, set while the object lives.
class ProgramEnvironment {
public:
  ProgramEnvironment();

private:
  zavel::test::ScopedEnvironment environment_;
};

// The shell command that runs the built program with `words`, each quoted; no assertion is
// made, so child processes may use it.
std::string programCommand(const std::vector<std::string> &words);

using test_support::fileText;

// The printed lines, without their line breaks.
std::vector<std::string> lines(const std::string &text);

// Checks a refusal: status 2, nothing on standard output, one line on standard error.
void expectRefusal(const HostResult &result, const std::vector<std::string> &words);

// Every file and folder below `root`, to show that nothing was written there.
std::vector<std::filesystem::path> filesBelow(const std::filesystem::path &root);

} // namespace zavel::host::testing
