#pragma once

#include <stdexcept>

// How a command stops early; in both the message is the one line the host prints.
namespace zavel::host {

// A command line the host refuses before writing anything (exit status 2).
struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A command that could not do its work, such as a file it cannot write (exit status 1).
struct CommandFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "--help" or "-h" among a command's options: the command's part of the help is printed instead.
struct HelpRequested {};

} // namespace zavel::host
