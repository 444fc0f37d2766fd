#include "host/HostRun.h"

#include "host/Host.h"
#include "host/TestBundle.h"
#include "support/ScopedEnvironment.h"

#include <array>
#include <cerrno>
#include <gtest/gtest.h>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace zavel::host::testing {
namespace {

// Reads both pipes to their ends, whichever writes first.
void drain(int outFd, int errFd, std::string &out, std::string &err) {
  std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string *, 2> targets{&out, &err};
  int open = 2;
  while (open > 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
      return;
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
        continue;
      char buffer[4096];
      ssize_t count = ::read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        targets[i]->append(buffer, std::size_t(count));
      } else if (count == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
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

  int outPipe[2], errPipe[2];
  if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0)
    return {};
  pid_t child = ::fork();
  if (child == 0) {
    ::dup2(outPipe[1], STDOUT_FILENO);
    ::dup2(errPipe[1], STDERR_FILENO);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
      ::close(fd);
    ::execve(argv[0], argv.data(), environ);
    ::_exit(127);
  }
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  HostResult result;
  drain(outPipe[0], errPipe[0], result.out, result.err);
  int status = 0;
  ::waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
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
