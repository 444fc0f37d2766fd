#include "kit/foundation/BuildIdentity.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <elf.h>
#include <link.h>

namespace kit::foundation {

namespace {

std::string hex(const unsigned char *bytes, std::size_t count) {
  std::string text;
  char pair[3];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    text += pair;
  }
  return text;
}

std::size_t aligned4(std::size_t size) { return (size + 3) & ~std::size_t{3}; }

// The GNU build ID among the notes of one loaded segment.
std::string buildIdNote(const unsigned char *notes, std::size_t size) {
  std::size_t at = 0;
  while (at + sizeof(ElfW(Nhdr)) <= size) {
    ElfW(Nhdr) header;
    std::memcpy(&header, notes + at, sizeof header);
    std::size_t name = at + sizeof header;
    std::size_t description = name + aligned4(header.n_namesz);
    std::size_t next = description + aligned4(header.n_descsz);
    if (next > size)
      break;
    if (header.n_type == NT_GNU_BUILD_ID && header.n_namesz == 4 &&
        std::memcmp(notes + name, "GNU", 4) == 0)
      return hex(notes + description, header.n_descsz);
    at = next;
  }
  return {};
}

int readExecutableNotes(dl_phdr_info *info, std::size_t, void *found) {
  auto &identity = *static_cast<std::string *>(found);
  for (int i = 0; i < info->dlpi_phnum && identity.empty(); ++i) {
    const ElfW(Phdr) &segment = info->dlpi_phdr[i];
    if (segment.p_type == PT_NOTE)
      identity =
          buildIdNote(reinterpret_cast<const unsigned char *>(info->dlpi_addr + segment.p_vaddr),
                      segment.p_memsz);
  }
  return 1; // the executable comes first; the libraries are not asked
}

std::string executableStamp() {
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return {};
  auto size = std::filesystem::file_size(executable, error);
  if (error)
    return {};
  auto time = std::filesystem::last_write_time(executable, error);
  if (error)
    return {};
  return std::to_string(size) + "-" + std::to_string(time.time_since_epoch().count());
}

std::string identify() {
  std::string identity;
  dl_iterate_phdr(readExecutableNotes, &identity);
  return identity.empty() ? executableStamp() : identity;
}

} // namespace

const std::string &buildIdentity() {
  static const std::string identity = identify();
  return identity;
}

} // namespace kit::foundation
