#include "host/HostRun.h"

#include "host/Host.h"
#include "host/TestBundle.h"
#include "support/ScopedEnvironment.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace zavel::host::testing {
namespace {

// The whole of a file the program wrote to, read back and removed.
std::string takeContents(std::FILE *file) {
  std::string text;
  std::rewind(file);
  for (int c; (c = std::fgetc(file)) != EOF;)
    text += char(c);
  std::fclose(file);
  return text;
}

} // namespace

HostResult runHost(const std::vector<std::string> &words) { return runHost(words, testBundle()); }

HostResult runHost(const std::vector<std::string> &words,
                   const kit::widgets::WidgetBundle &bundle) {
  std::ostringstream out, err;
  int status = run(words, bundle, out, err);
  return {status, out.str(), err.str()};
}

HostResult runExecutable(const std::vector<std::string> &words) {
  zavel::test::ScopedEnvironment fixed({{"TZ", "Europe/Oslo"},
                                        {"LANG", "en_US.UTF-8"},
                                        {"LC_ALL", std::nullopt},
                                        {"LC_TIME", std::nullopt}});
  std::vector<std::string> command{ZAVEL_WIDGETS_EXE};
  command.insert(command.end(), words.begin(), words.end());
  std::vector<char *> argv;
  for (auto &word : command)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  // Unnamed temporary files: the output may be longer than a pipe holds.
  std::FILE *out = std::tmpfile(), *err = std::tmpfile();
  pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::fileno(out), STDOUT_FILENO);
    ::dup2(::fileno(err), STDERR_FILENO);
    ::execve(argv[0], argv.data(), environ);
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, takeContents(out), takeContents(err)};
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
