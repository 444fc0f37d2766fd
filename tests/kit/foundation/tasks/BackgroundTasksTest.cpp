#include "kit/foundation/tasks/BackgroundTasks.h"
#include "support/Processes.h"

#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <pthread.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace kit::foundation {
namespace {

using namespace std::chrono_literals;

TEST(BackgroundTasks, PendingTaskIsJoinedWithItsResultVisible) {
  std::promise<void> release;
  auto released = release.get_future().share();
  std::atomic<int> result = 0;
  runDetached([released, &result] {
    released.wait();
    result = 42;
  });
  EXPECT_EQ(pendingBackgroundTasks(), 1u);
  EXPECT_FALSE(waitForBackgroundTasks(20ms)); // still held: the wait gives up
  release.set_value();
  EXPECT_TRUE(waitForBackgroundTasks(10s));
  EXPECT_EQ(result, 42);
  EXPECT_EQ(pendingBackgroundTasks(), 0u);
  // A task that throws still ends.
  runDetached([] { throw std::runtime_error("lost"); });
  EXPECT_TRUE(waitForBackgroundTasks(10s));
}

TEST(BackgroundTasks, WithoutAThreadToRunOnTheWorkIsDropped) {
  // In a child process whose threads would each need an impossible stack.
  EXPECT_TRUE(zavel::test::runInProcessesAtOnce(1, [](int) {
    pthread_attr_t impossible;
    pthread_attr_init(&impossible);
    pthread_attr_setstacksize(&impossible, std::size_t{1} << 62);
    if (pthread_setattr_default_np(&impossible) != 0)
      return false;
    std::atomic<bool> ran = false;
    runDetached([&] { ran = true; });
    return pendingBackgroundTasks() == 0 && waitForBackgroundTasks(0ms) && !ran;
  }));
}

int exitStatusOfChild(const std::function<void()> &body) {
  pid_t child = fork();
  if (child == 0) {
    body();
    _exit(99);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BackgroundTasks, ProcessEndsWithItsStatusOnceTasksEndOrTheLimitPasses) {
  // A task that ends in time, released as the process starts to end, runs to its end (here, its
  // own exit) before the process goes.
  EXPECT_EQ(exitStatusOfChild([] {
              std::promise<void> release;
              runDetached([released = release.get_future().share()] {
                released.wait();
                _exit(5);
              });
              release.set_value();
              exitAfterBackgroundTasks(3, 10s);
            }),
            5);
  // A task that never ends: the process still goes, with its status.
  EXPECT_EQ(exitStatusOfChild([] {
              auto never = std::make_shared<std::promise<void>>();
              runDetached([never] { never->get_future().wait(); });
              exitAfterBackgroundTasks(4, 50ms);
            }),
            4);
}

} // namespace
} // namespace kit::foundation
