#include "support/Processes.h"

#include <csignal>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace zavel::test {

bool runInProcessesAtOnce(int count, const std::function<bool(int index)> &work) {
  int gate[2];
  if (pipe(gate) != 0)
    return false;
  std::vector<pid_t> children;
  for (int index = 0; index < count; ++index) {
    pid_t child = fork();
    if (child == 0) {
      close(gate[1]);
      char byte;
      // Blocks until the parent closes its end: every child starts together.
      [[maybe_unused]] auto ignored = read(gate[0], &byte, 1);
      _exit(work(index) ? 0 : 1);
    }
    if (child > 0)
      children.push_back(child);
  }
  close(gate[0]);
  close(gate[1]);
  bool allSucceeded = static_cast<int>(children.size()) == count;
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    allSucceeded = allSucceeded && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return allSucceeded;
}

bool finishesWithin(std::chrono::milliseconds limit, const std::function<bool()> &work) {
  pid_t child = fork();
  if (child == 0)
    _exit(work() ? 0 : 1);
  if (child < 0)
    return false;
  auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace zavel::test
