#pragma once

#include <filesystem>
#include <system_error>

namespace kit::foundation {

// Run as root, the process takes for all its threads the rights of the user who owns `home`:
// that user's id, group and groups become its effective ones, so that in the home it reads and
// writes only what that user could, wherever a link planted there leads. While root owns the
// home, or it is missing, the nearest folder above it that another user owns names the user, as
// that user may put another home in its place. Root stays the real and saved user, for
// `InvokerRights`. Nothing changes when the process runs as any other user, or when root owns the
// home and every folder above it. The error when the rights could not be taken.
std::error_code takeHomeOwnerRights(const std::filesystem::path &home);

// While it lives, the calling thread alone reaches files with the rights the process was started
// with, for the files its user named (the outputs of a command); every other thread keeps the
// home owner's. Does nothing when the process took no owner's rights; may be nested.
class InvokerRights {
public:
  InvokerRights();
  ~InvokerRights();
  InvokerRights(const InvokerRights &) = delete;
  InvokerRights &operator=(const InvokerRights &) = delete;
};

} // namespace kit::foundation
