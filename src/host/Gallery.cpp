#include "host/Gallery.h"

#include "host/CommandErrors.h"
#include "host/GalleryPage.h"
#include "host/OutputFiles.h"
#include "host/WidgetRendering.h"

#include <algorithm>
#include <atomic>
#include <sstream>
#include <system_error>
#include <thread>

namespace zavel::host {
namespace {

bool isSafeInFileName(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '_';
}

GalleryItem itemOf(const kit::widgets::AnyWidget &widget) {
  const auto &info = widget.info();
  GalleryItem item;
  item.kind = info.kind;
  item.displayName = info.displayName;
  item.description = info.description;
  item.fileName = snapshotFileName(info.kind);
  item.size = kit::widgets::displaySize(info.family);
  return item;
}

// Why the snapshot cannot be written; empty when it is ready in `picture`.
std::string drawSnapshot(const kit::widgets::AnyWidget &widget, const GalleryItem &item,
                         const std::filesystem::path &folder, double scale,
                         PreparedOutput &picture) {
  std::error_code error;
  try {
    auto context = kit::widgets::TimelineContext::of(widget.info().family, true);
    auto entry = widget.configure(kit::foundation::Json::object()).snapshot(context);
    std::string png = renderPng(layOutEntry(entry, item.size), scale);
    error = png.empty() ? std::make_error_code(std::errc::invalid_argument)
                        : picture.prepare(folder / item.fileName, std::move(png));
  } catch (...) {
    // The others are still drawn, so the failure names every picture that cannot be written.
    return "cannot draw " + item.kind;
  }
  return error ? cannotWrite(folder / item.fileName, error) : "";
}

// The failure that names the first picture that cannot be written, and how many cannot.
[[noreturn]] void failOnPictures(const std::vector<GalleryItem> &items,
                                 std::vector<GalleryItem>::const_iterator failed) {
  auto missing =
      std::count_if(failed, items.end(), [](const GalleryItem &item) { return !item.written; });
  throw CommandFailure(std::to_string(missing) + " of " + std::to_string(items.size()) +
                       " pictures could not be written; the first: " + failed->failure);
}

// Each drawing thread holds its own pictures and text caches; past four, more threads buy little
// time and cost the memory of another widget extension.
constexpr std::size_t mostWorkers = 4;

unsigned workerCount(std::size_t widgets) {
  unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  return unsigned(std::min<std::size_t>({widgets, cores, mostWorkers}));
}

} // namespace

std::string snapshotFileName(std::string_view kind) {
  std::string name(kind);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !isSafeInFileName(c); }, '_');
  if (name.empty() || name.front() == '.')
    name = "_" + name;
  return name + ".png";
}

std::vector<GalleryItem> writeGallery(const kit::widgets::WidgetBundle &bundle,
                                      const std::filesystem::path &folder, double scale) {
  const auto &widgets = bundle.widgets();
  std::vector<GalleryItem> items;
  for (const auto &widget : widgets)
    items.push_back(itemOf(widget));
  for (const auto &section : bundle.sections())
    for (std::size_t i = section.begin; i < section.end && i < items.size(); ++i)
      items[i].section = section.title;

  // The pictures, then the page.
  std::vector<PreparedOutput> files(widgets.size() + 1);
  std::atomic<std::size_t> next = 0;
  auto work = [&] {
    for (std::size_t i = next++; i < widgets.size(); i = next++) {
      items[i].failure = drawSnapshot(widgets[i], items[i], folder, scale, files[i]);
      items[i].written = items[i].failure.empty();
    }
  };
  {
    std::vector<std::jthread> helpers;
    try {
      for (unsigned i = 1; i < workerCount(widgets.size()); ++i)
        helpers.emplace_back(work);
    } catch (const std::system_error &) {
      // Fewer threads draw the same pictures.
    }
    work();
  }
  auto failed = std::find_if(items.begin(), items.end(),
                             [](const GalleryItem &item) { return !item.written; });
  if (failed != items.end())
    failOnPictures(items, failed);
  const std::filesystem::path page = folder / "index.html";
  if (auto error = files.back().prepare(page, galleryPage(items)))
    throw CommandFailure(cannotWrite(page, error));
  // No file of a gallery is standard output.
  std::ostringstream none;
  finishOutputsOrFail(files, none);
  return items;
}

} // namespace zavel::host
