#include "kit/foundation/tasks/BackgroundTasks.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <thread>

namespace kit::foundation {

namespace {

struct PendingTasks {
  std::mutex mutex;
  std::condition_variable ended;
  std::size_t count = 0;
};

// Never destroyed: tasks may still end while the process does.
PendingTasks &pending() {
  static auto *tasks = new PendingTasks;
  return *tasks;
}

void finishTask() {
  PendingTasks &tasks = pending();
  std::lock_guard lock(tasks.mutex);
  --tasks.count;
  tasks.ended.notify_all();
}

void runToEnd(const std::function<void()> &work) {
  try {
    work();
  } catch (...) {
    // Nobody awaits the result, so nobody can be told.
  }
  finishTask();
}

} // namespace

void runDetached(std::function<void()> work) {
  {
    PendingTasks &tasks = pending();
    std::lock_guard lock(tasks.mutex);
    ++tasks.count;
  }
  try {
    std::thread([work = std::move(work)] { runToEnd(work); }).detach();
  } catch (...) {
    // No thread to be had: the work is dropped, as if the process had ended first.
    finishTask();
  }
}

std::size_t pendingBackgroundTasks() {
  PendingTasks &tasks = pending();
  std::lock_guard lock(tasks.mutex);
  return tasks.count;
}

bool waitForBackgroundTasks(std::chrono::milliseconds limit) {
  PendingTasks &tasks = pending();
  std::unique_lock lock(tasks.mutex);
  return tasks.ended.wait_for(lock, limit, [&] { return tasks.count == 0; });
}

void exitAfterBackgroundTasks(int status, std::chrono::milliseconds limit) {
  if (waitForBackgroundTasks(limit))
    std::exit(status);
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::quick_exit(status);
}

} // namespace kit::foundation
