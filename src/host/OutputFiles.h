#pragma once

#include "kit/foundation/AtomicFile.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace zavel::host {

// One output of a command (a picture, a page, a tree) made ready to be written, so that a
// command finds it can write every output before it changes any. A regular file, or a name nothing
// has yet, is written whole under a temporary name beside it, and takes its name when finished: a
// reader never finds it cut short, and when the command fails the earlier file stays as it was
// and nothing is left behind; a symbolic link is followed to its file, and one that names nothing
// gets that file made (as a shell's redirection through it would, when its folder is there).
// Anything else keeps the contents until finished, then is written into as it is, never replaced:
// standard output ("-"), a device, a FIFO, a socket, or a descriptor of this process named as
// /dev/stdout or /proc/self/fd/N. A folder is refused (is_a_directory). Outputs are the
// invoker's: each step is taken with the rights the process was started with (InvokerRights).
class PreparedOutput {
public:
  PreparedOutput() = default;
  PreparedOutput(const PreparedOutput &) = delete;
  PreparedOutput &operator=(const PreparedOutput &) = delete;
  // A file never finished is left as it was, its temporary file removed.
  ~PreparedOutput();

  // The error that stopped it; none when the output is ready.
  std::error_code prepare(std::string name, std::string contents);
  // Whether it is written into when finished rather than replaced.
  bool writtenInto() const { return kind_ != Kind::replaced; }
  // Writes the contents into the output (`out` for standard output), or has the file take them.
  std::error_code finish(std::ostream &out);
  // The line that says the output could not be written and why.
  std::string failure(std::error_code error) const;

private:
  enum class Kind { replaced, standardOutput, descriptor, device, socket };
  std::string name_;
  Kind kind_ = Kind::replaced;
  std::string contents_;
  int descriptor_ = -1;
  kit::foundation::PendingReplacement replacement_;
};

// Finishes the outputs of one command, all prepared: what is written into first, then the files
// take their places, so a stream that fails changes no file (a stream once written cannot be
// taken back). A failure thrown as CommandFailure naming its output.
void finishOutputsOrFail(std::vector<PreparedOutput> &outputs, std::ostream &out);

// Output names with their contents, each prepared in turn and then all finished: a command that
// fails changes none of its files. A failure thrown as CommandFailure naming its output.
void writeOutputsOrFail(std::vector<std::pair<std::string, std::string>> outputs,
                        std::ostream &out);

// How the command line names standard output in place of a file.
inline constexpr std::string_view kStandardOutput = "-";

// Whether two output names ("-" for standard output) reach one file: the same file now, links
// followed, or for names nothing has yet, the same place once links and folders are resolved; as
// the invoker sees them.
bool sameOutput(const std::string &first, const std::string &second);

// The line that says a file could not be written and why.
std::string cannotWrite(const std::filesystem::path &path, std::error_code error);

// Flushes what was printed on `out`; the error when some of it did not reach its reader (one that
// left early: a closed pipe), now or before.
std::error_code flushOutput(std::ostream &out);

// The line that says standard output could not be written and why.
std::string cannotWriteStandardOutput(std::error_code error);

} // namespace zavel::host
