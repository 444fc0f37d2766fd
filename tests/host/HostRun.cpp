#include "host/HostRun.h"

#include "Widgets/ZavelWidgetsBundle.h"
#include "host/Host.h"
#include "host/TestBundle.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace zavel::host::testing {
namespace {

HostResult runOn(const kit::widgets::WidgetBundle &bundle, const std::vector<std::string> &words) {
  std::ostringstream out, err;
  int status = run(words, bundle, out, err);
  return {status, out.str(), err.str()};
}

} // namespace

HostResult runHost(const std::vector<std::string> &words) { return runOn(testBundle(), words); }

// Made anew for each run: a provider may take the environment (the home, the services) as it is
// made.
HostResult runHostOnWidgets(const std::vector<std::string> &words) {
  return runOn(makeWidgetsBundle(), words);
}

ProgramEnvironment::ProgramEnvironment()
    : environment_({{"TZ", "Europe/Oslo"},
                    {"LANG", "en_US.UTF-8"},
                    {"LC_ALL", std::nullopt},
                    {"LC_TIME", std::nullopt}}) {}

namespace {

std::string commandOf(const std::string &program, const std::vector<std::string> &words) {
  std::string command = "'" + program + "'";
  for (const std::string &word : words)
    command += " '" + word + "'";
  return command;
}

} // namespace

std::string programCommand(const std::vector<std::string> &words) {
  return commandOf(ZAVEL_WIDGETS_EXE, words);
}

namespace {

HostResult runCommand(const std::string &command, const std::vector<std::string> &words) {
  ProgramEnvironment fixed;
  for (const std::string &word : words)
    EXPECT_EQ(word.find('\''), std::string::npos) << "quoted for the shell: " << word;
  // Output goes to files: it may be longer than a pipe holds.
  test_support::ScratchTree scratch;
  int status = std::system((command + " >" + (scratch.root() / "out").string() + " 2>" +
                            (scratch.root() / "err").string())
                               .c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(scratch.root() / "out"),
          fileText(scratch.root() / "err")};
}

} // namespace

HostResult runExecutable(const std::vector<std::string> &words) {
  return runCommand(programCommand(words), words);
}

HostResult runProgramFrom(const std::filesystem::path &folder, const std::filesystem::path &program,
                          const std::vector<std::string> &words) {
  EXPECT_EQ(folder.string().find('\''), std::string::npos) << folder;
  return runCommand("cd '" + folder.string() + "' && " + commandOf(program, words), words);
}

HostResult runExecutableAt(const std::string &moment, const std::vector<std::string> &words) {
  EXPECT_EQ(moment.find('\''), std::string::npos) << "quoted for the shell: " << moment;
  // "@" lets the clock run on from the moment, so waits and time-outs still end. The library is
  // preloaded without the faketime wrapper, whose semaphore and shared memory, named by its
  // process id, collide now and then; nothing here needs one clock shared by several processes.
  // It comes ahead of a sanitizer's runtime, which the sanitized program must accept.
  return runCommand("ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0\" "
                    "LD_PRELOAD=\"" ZAVEL_FAKETIME_LIBRARY "${LD_PRELOAD:+:$LD_PRELOAD}\" "
                    "FAKETIME='@" +
                        moment + "' " + programCommand(words),
                    words);
}

std::vector<std::string> lines(const std::string &text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    result.push_back(line);
  return result;
}

void expectRefusal(const HostResult &result, const std::vector<std::string> &words) {
  EXPECT_EQ(result.status, 2) << ::testing::PrintToString(words);
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
  EXPECT_TRUE(result.err.starts_with("zavel-widgets: ")) << result.err;
}

std::vector<std::filesystem::path> filesBelow(const std::filesystem::path &root) {
  std::vector<std::filesystem::path> files;
  for (const auto &entry : std::filesystem::recursive_directory_iterator(root))
    files.push_back(entry.path());
  return files;
}

} // namespace zavel::host::testing
