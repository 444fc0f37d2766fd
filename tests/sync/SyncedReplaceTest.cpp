// A program of its own: it stands in for fsync and rename to record the order in which a
// replacement calls them, and for open and close to plant faults in a replacement's temporary
// copy, which no other test executable should share.
#include "Shared/Data/NotesStore.h"
#include "kit/events/EventStore.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/ui/drawing/StaticLayerFiles.h"

#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <cairo.h>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool recording = false;
std::vector<std::string> calls;

std::string pathOf(int fd) {
  std::error_code error;
  return fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error).string();
}

template <class Function> Function *next(const char *name) {
  return reinterpret_cast<Function *>(::dlsym(RTLD_NEXT, name));
}

// A fault planted in the next temporary copy of a file named `plantedFor`.
enum class Planted {
  none,
  // Another file's symbolic link lies where the copy is to be made, under the first name tried.
  linkAtTheCopysName,
  // Closing the copy reports a failed write.
  failedClose,
};
Planted planted = Planted::none;
std::string plantedFor;
std::filesystem::path plantedLinkTarget;

bool isPlantedCopy(const std::filesystem::path &path) {
  return kit::foundation::isTemporaryCopyName(path.filename().string(), plantedFor);
}

} // namespace

extern "C" int open(const char *path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
    va_list arguments;
    va_start(arguments, flags);
    mode = va_arg(arguments, mode_t);
    va_end(arguments);
  }
  if (planted == Planted::linkAtTheCopysName && isPlantedCopy(path)) {
    planted = Planted::none;
    ::symlink(plantedLinkTarget.c_str(), path);
  }
  return next<int(const char *, int, ...)>("open")(path, flags, mode);
}

extern "C" int close(int fd) {
  if (planted == Planted::failedClose && isPlantedCopy(pathOf(fd))) {
    planted = Planted::none;
    next<int(int)>("close")(fd);
    errno = EIO;
    return -1;
  }
  return next<int(int)>("close")(fd);
}

extern "C" int fsync(int fd) {
  if (recording)
    calls.push_back("fsync " + pathOf(fd));
  return next<int(int)>("fsync")(fd);
}

extern "C" int rename(const char *from, const char *to) {
  if (recording)
    calls.push_back("rename " + fs::path(from).filename().string() + " " + to);
  return next<int(const char *, const char *)>("rename")(from, to);
}

namespace kit::foundation {
namespace {

// The calls recorded, naming the files by their part: "copy" (a temporary copy of `file`),
// "file" and "folder".
std::vector<std::string> recorded(const fs::path &folder, const fs::path &file) {
  std::vector<std::string> named;
  for (std::string call : calls) {
    auto space = call.find(' ');
    std::string kind = call.substr(0, space);
    std::string rest = call.substr(space + 1);
    if (kind == "rename") {
      auto split = rest.find(' ');
      bool copy = isTemporaryCopyName(rest.substr(0, split), file.filename().string());
      named.push_back(std::string("rename ") + (copy ? "copy" : "?") + " to " +
                      (rest.substr(split + 1) == file.string() ? "file" : "?"));
    } else {
      fs::path path = rest;
      bool copy = path.parent_path() == folder &&
                  isTemporaryCopyName(path.filename().string(), file.filename().string());
      named.push_back("fsync " + std::string(copy ? "copy" : path == folder ? "folder" : rest));
    }
  }
  return named;
}

void writeText(const fs::path &file, std::string_view text) {
  std::ofstream(file, std::ios::binary) << text;
}

// A synced replacement flushes the new contents before they take the file's place, and the
// folder after, so a crash leaves the old file or the whole new one; a whole one flushes
// nothing.
TEST(SyncedReplace, FlushesTheCopyBeforeTheRenameAndTheFolderAfter) {
  struct Case {
    Durability durability;
    std::vector<std::string> calls;
  } cases[] = {
      {Durability::synced, {"fsync copy", "rename copy to file", "fsync folder"}},
      {Durability::whole, {"rename copy to file"}},
  };
  for (const auto &c : cases) {
    test_support::ScratchTree scratch;
    fs::path folder = fs::canonical(scratch.root());
    fs::path file = folder / "milk.ics";
    calls.clear();
    recording = true;
    std::error_code error = replaceFile(file, "BEGIN:VCALENDAR", c.durability);
    recording = false;
    ASSERT_FALSE(error);
    EXPECT_EQ(recorded(folder, file), c.calls);
  }
}

// The copy is made as a new file, never through whatever lies at its name, and a close that
// reports a failed write fails the replacement: the file and anything else stay as they were,
// and no copy is left.
TEST(SyncedReplace, TheCopyIsANewFileAndAFailedCloseLeavesTheFileAsItWas) {
  struct Case {
    Planted fault;
    std::error_code error;
    const char *contents; // the file's afterwards
  } cases[] = {
      {Planted::linkAtTheCopysName, {}, "new"},
      {Planted::failedClose, std::make_error_code(std::errc::io_error), "old"},
  };
  for (const auto &c : cases) {
    test_support::ScratchTree scratch;
    fs::path file = scratch.write("milk.ics", "old");
    plantedLinkTarget = scratch.write("elsewhere/other.ics", "other's");
    plantedFor = "milk.ics";
    planted = c.fault;
    std::error_code error = replaceFile(file, "new");
    EXPECT_EQ(planted, Planted::none) << "the fault was never met";
    planted = Planted::none;
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(test_support::fileText(file), c.contents);
    EXPECT_EQ(test_support::fileText(plantedLinkTarget), "other's");
    // The file, the other file's folder and the planted link, if any: no copy of ours.
    for (const auto &item : fs::directory_iterator(scratch.root()))
      EXPECT_TRUE(!isTemporaryCopyName(item.path().filename().string(), "milk.ics") ||
                  fs::is_symlink(item.symlink_status()))
          << item.path();
  }
}

// The files the user keeps, the notes and the calendars, are flushed as they are replaced; the
// layer cache, which a render makes again whenever it is missing, is not.
TEST(SyncedReplace, TheUsersFilesAreFlushedAndTheLayerCacheIsNot) {
  using Synced = std::vector<std::string>;
  const Synced flushed = {"fsync copy", "rename copy to file", "fsync folder"};
  struct Case {
    const char *name;
    // Writes a file below the canonical folder and returns it.
    std::function<fs::path(const fs::path &folder)> write;
    Synced calls;
  } cases[] = {
      {"note file",
       [](const fs::path &) {
         auto file = zavel::NotesStore::fileURL();
         fs::create_directories(file.parent_path());
         writeText(file, R"([{"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"milk",)"
                         R"("edited":0,"pinned":false}])");
         recording = true;
         EXPECT_TRUE(zavel::NotesStore::togglePin(
             *UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e")));
         recording = false;
         return file;
       },
       flushed},
      {"calendar file",
       [](const fs::path &folder) {
         fs::create_directories(folder / "inbox");
         writeText(folder / "inbox/call.ics", "BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:call\n"
                                              "SUMMARY:Call\nEND:VTODO\nEND:VCALENDAR\n");
         recording = true;
         EXPECT_EQ(events::EventStore(folder, "UTC").setCompleted("inbox/call", true, Date{}),
                   events::EventStore::SaveResult::saved);
         recording = false;
         return folder / "inbox/call.ics";
       },
       flushed},
      {"layer cache",
       [](const fs::path &folder) {
         ui::drawing::LayerPicture picture;
         picture.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 2));
         recording = true;
         ui::drawing::StaticLayerFiles(folder).save("casing", picture);
         recording = false;
         for (const auto &item : fs::directory_iterator(folder))
           if (item.path().extension() == ".layer")
             return item.path();
         return fs::path();
       },
       {"rename copy to file"}},
  };
  for (const auto &c : cases) {
    zavel::test::TempHome home;
    fs::path folder = fs::canonical(home.path());
    calls.clear();
    fs::path file = c.write(folder);
    ASSERT_FALSE(file.empty()) << c.name;
    EXPECT_EQ(recorded(file.parent_path(), file), c.calls) << c.name;
  }
}

} // namespace
} // namespace kit::foundation
