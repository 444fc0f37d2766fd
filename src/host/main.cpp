#include "Widgets/ZavelWidgetsBundle.h"
#include "host/Host.h"
#include "host/QuotedText.h"
#include "kit/foundation/OwnerRights.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/tasks/BackgroundTasks.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  // A reader that leaves early makes a write fail, which the command reports, instead of ending
  // the process before it can take its temporary files back.
  std::signal(SIGPIPE, SIG_IGN);
  // Run as root in another user's data home, the process acts there as that user from the start.
  auto home = kit::foundation::zavelHome();
  if (auto error = kit::foundation::takeHomeOwnerRights(home)) {
    std::cerr << "zavel-widgets: cannot act as the owner of the data home "
              << zavel::host::quotedPath(home) << ": " << error.message() << '\n';
    return zavel::host::failure;
  }
  std::vector<std::string> words(argv + 1, argv + argc);
  int status = zavel::host::run(words, zavel::makeWidgetsBundle(), std::cout, std::cerr);
  // The run has already waited for background work as long as it may.
  kit::foundation::exitAfterBackgroundTasks(status, std::chrono::milliseconds(0));
}
