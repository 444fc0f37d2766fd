#include "kit/foundation/OwnerRights.h"

#include "kit/foundation/Descriptor.h"

#include <optional>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

namespace fs = std::filesystem;

struct Rights {
  uid_t user = 0;
  gid_t group = 0;
  std::vector<gid_t> groups;
};

// Set once, before the threads that read it are made.
struct TakenRights {
  bool taken = false;
  uid_t owner = 0;
  gid_t ownerGroup = 0;
  gid_t invokerGroup = 0;
};

TakenRights &takenRights() {
  static TakenRights rights;
  return rights;
}

thread_local int invokerDepth = 0;

// The home, or the nearest folder above it, that a user other than root owns.
std::optional<struct stat> ownedFolder(const fs::path &home) {
  std::error_code error;
  fs::path at = fs::absolute(home, error);
  if (error)
    return std::nullopt;
  while (true) {
    struct stat status {};
    if (::stat(at.c_str(), &status) == 0 && status.st_uid != 0)
      return status;
    if (at == at.parent_path())
      return std::nullopt;
    at = at.parent_path();
  }
}

// The rights of `user`: their account's group and groups; a user without an account has the
// group of the folder they own, alone.
Rights rightsOf(uid_t user, gid_t folderGroup) {
  Rights rights{user, folderGroup, {folderGroup}};
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd *found = nullptr;
  if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
    return rights;
  rights.group = found->pw_gid;
  int count = 32;
  while (true) {
    rights.groups.resize(static_cast<size_t>(count));
    int wanted = count;
    if (::getgrouplist(found->pw_name, found->pw_gid, rights.groups.data(), &wanted) >= 0) {
      rights.groups.resize(static_cast<size_t>(wanted));
      return rights;
    }
    if (wanted <= count) {
      rights.groups = {found->pw_gid};
      return rights;
    }
    count = wanted;
  }
}

} // namespace

std::error_code takeHomeOwnerRights(const fs::path &home) {
  if (::geteuid() != 0)
    return {};
  auto folder = ownedFolder(home);
  if (!folder)
    return {};
  Rights owner = rightsOf(folder->st_uid, folder->st_gid);
  gid_t invokerGroup = ::getegid();
  // Groups first, while the process may still set them; the effective ids alone, so that root,
  // still the real and saved user, can be had back by a thread for the invoker's files.
  if (::setgroups(owner.groups.size(), owner.groups.data()) != 0 ||
      ::setresgid(static_cast<gid_t>(-1), owner.group, static_cast<gid_t>(-1)) != 0 ||
      ::setresuid(static_cast<uid_t>(-1), owner.user, static_cast<uid_t>(-1)) != 0)
    return lastError();
  takenRights() = {true, owner.user, owner.group, invokerGroup};
  return {};
}

// The file system ids are the thread's own (the other ids are the process's): root's, taken back
// by them, opens and makes files as root does, while the other threads stay the owner's.
InvokerRights::InvokerRights() {
  const TakenRights &rights = takenRights();
  if (rights.taken && invokerDepth++ == 0) {
    ::setfsuid(0);
    ::setfsgid(rights.invokerGroup);
  }
}

InvokerRights::~InvokerRights() {
  const TakenRights &rights = takenRights();
  if (rights.taken && --invokerDepth == 0) {
    ::setfsgid(rights.ownerGroup);
    ::setfsuid(rights.owner);
  }
}

} // namespace kit::foundation
