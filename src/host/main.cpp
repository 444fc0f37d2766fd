#include "Widgets/ZavelWidgetsBundle.h"
#include "host/Host.h"
#include "kit/foundation/tasks/BackgroundTasks.h"

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  int status = zavel::host::run(words, zavel::makeWidgetsBundle(), std::cout, std::cerr);
  // The run has already waited for background work as long as it may.
  kit::foundation::exitAfterBackgroundTasks(status, std::chrono::milliseconds(0));
}
