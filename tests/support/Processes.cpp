#include "support/Processes.h"

#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

} // namespace zavel::test
