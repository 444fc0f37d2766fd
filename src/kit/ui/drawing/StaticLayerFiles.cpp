#include "kit/ui/drawing/StaticLayerFiles.h"

#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/BuildIdentity.h"
#include "kit/foundation/FileContents.h"
#include "kit/foundation/FileOwner.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace kit::ui::drawing {

namespace {

namespace fs = std::filesystem;

constexpr char kMagic[8] = {'Z', 'L', 'A', 'Y', 'E', 'R', '1', '\n'};
constexpr int kMaximumSide = 8192;

// What a file holds before its pixels: the magic, the key's length, the key, then the picture's
// width, height, dx and dy; rows of premultiplied ARGB follow, without padding.
struct Header {
  std::uint32_t keyLength = 0;
  std::int32_t width = 0, height = 0, dx = 0, dy = 0;
};

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::uint64_t fnv1a(std::string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (unsigned char c : text)
    hash = (hash ^ c) * 0x100000001b3ull;
  return hash;
}

std::string qualified(std::string_view key) {
  return foundation::buildIdentity() + "|" + cairo_version_string() + "|" + std::string(key);
}

template <class T> void append(std::string &out, const T &value) {
  out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

template <class T> bool readValue(std::FILE *file, T &value) {
  return std::fread(&value, sizeof value, 1, file) == 1;
}

bool sensible(const Header &header) {
  return header.width > 0 && header.height > 0 && header.width <= kMaximumSide &&
         header.height <= kMaximumSide;
}

std::shared_ptr<LayerPicture> readPixels(std::FILE *file, const Header &header) {
  auto picture = std::make_shared<LayerPicture>();
  picture->surface.reset(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, header.width, header.height));
  cairo_surface_t *surface = picture->surface.get();
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    return nullptr;
  cairo_surface_flush(surface);
  unsigned char *data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  std::size_t row = static_cast<std::size_t>(header.width) * 4;
  for (int y = 0; y < header.height; ++y)
    if (std::fread(data + static_cast<std::size_t>(y) * stride, 1, row, file) != row)
      return nullptr;
  // Anything after the last row means the file is not what it says.
  if (std::fgetc(file) != EOF)
    return nullptr;
  cairo_surface_mark_dirty(surface);
  picture->dx = header.dx;
  picture->dy = header.dy;
  return picture;
}

// Whatever a save leaves counts: the layers, and the temporary copies of one that a killed
// process left, each a whole layer too.
bool isCacheFile(const fs::path &file) {
  if (file.extension() == ".layer")
    return true;
  auto copied = foundation::copiedFileName(file.filename().string());
  return copied && fs::path(*copied).extension() == ".layer";
}

} // namespace

StaticLayerFiles::StaticLayerFiles(fs::path folder) : folder_(std::move(folder)) {}

fs::path StaticLayerFiles::fileFor(const std::string &qualifiedKey) const {
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.layer",
                static_cast<unsigned long long>(fnv1a(qualifiedKey)));
  return folder_ / name;
}

std::shared_ptr<const LayerPicture> StaticLayerFiles::load(std::string_view key) const {
  std::string expected = qualified(key);
  // Only a regular file is read: anything else at its name (a FIFO) counts as missing.
  foundation::Descriptor opened;
  if (!foundation::openRegularFile(fileFor(expected), opened))
    return nullptr;
  FilePtr file(::fdopen(opened.fd, "rb"));
  if (!file)
    return nullptr;
  opened.fd = -1;
  char magic[sizeof kMagic];
  Header header;
  if (std::fread(magic, 1, sizeof magic, file.get()) != sizeof magic ||
      std::memcmp(magic, kMagic, sizeof magic) != 0 || !readValue(file.get(), header.keyLength))
    return nullptr;
  if (header.keyLength != expected.size())
    return nullptr;
  std::string stored(header.keyLength, '\0');
  if (std::fread(stored.data(), 1, stored.size(), file.get()) != stored.size() ||
      stored != expected)
    return nullptr;
  if (!readValue(file.get(), header.width) || !readValue(file.get(), header.height) ||
      !readValue(file.get(), header.dx) || !readValue(file.get(), header.dy) || !sensible(header))
    return nullptr;
  return readPixels(file.get(), header);
}

void StaticLayerFiles::save(std::string_view key, const LayerPicture &picture) const {
  cairo_surface_t *surface = picture.surface.get();
  if (!surface || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
    return;
  cairo_surface_flush(surface);
  Header header;
  std::string full = qualified(key);
  header.keyLength = static_cast<std::uint32_t>(full.size());
  header.width = cairo_image_surface_get_width(surface);
  header.height = cairo_image_surface_get_height(surface);
  header.dx = picture.dx;
  header.dy = picture.dy;
  if (!sensible(header))
    return;
  std::size_t row = static_cast<std::size_t>(header.width) * 4;
  std::string contents(kMagic, sizeof kMagic);
  append(contents, header.keyLength);
  contents += full;
  for (auto value : {header.width, header.height, header.dx, header.dy})
    append(contents, value);
  contents.reserve(contents.size() + row * header.height);
  const unsigned char *data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < header.height; ++y)
    contents.append(reinterpret_cast<const char *>(data + static_cast<std::size_t>(y) * stride),
                    row);
  fs::path file = fileFor(full);
  // Kept for the folder's owner: what a run as root saves there is theirs too.
  auto ownedAsFolder = [](const fs::path &copy) { return !foundation::takeFolderOwner(copy); };
  // A layer lost to a crash is drawn again: not worth a flush.
  if (foundation::makeFolders(folder_) ||
      foundation::replaceFile(file, contents, foundation::Durability::whole, ownedAsFolder))
    return;
  dropOldest(file);
}

// The file just saved stays whatever the clock's grain says of its age.
void StaticLayerFiles::dropOldest(const fs::path &saved) const {
  std::error_code error;
  std::vector<std::pair<fs::file_time_type, fs::path>> files;
  for (fs::directory_iterator item(folder_, error), end; !error && item != end;
       item.increment(error))
    if (isCacheFile(item->path()) && item->path() != saved)
      files.emplace_back(item->last_write_time(error), item->path());
  if (files.size() < capacity)
    return;
  std::sort(files.begin(), files.end());
  for (std::size_t i = 0; i + capacity <= files.size(); ++i)
    fs::remove(files[i].second, error);
}

} // namespace kit::ui::drawing
