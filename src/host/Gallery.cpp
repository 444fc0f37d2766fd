#include "host/Gallery.h"

#include "host/OutputFiles.h"
#include "host/WidgetRendering.h"

#include <algorithm>
#include <atomic>
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

// Why the snapshot was not written; empty when it was.
std::string drawSnapshot(const kit::widgets::AnyWidget &widget, const GalleryItem &item,
                         const std::filesystem::path &folder, double scale) {
  std::error_code error;
  try {
    auto context = kit::widgets::TimelineContext::of(widget.info().family, true);
    auto entry = widget.configure(kit::foundation::Json::object()).snapshot(context);
    std::string png = renderPng(layOutEntry(entry, item.size), scale);
    error = png.empty() ? std::make_error_code(std::errc::invalid_argument)
                        : writeOutputFile(folder / item.fileName, png);
  } catch (...) {
    // One widget that cannot be drawn leaves the others standing.
    return "cannot draw " + item.kind;
  }
  return error ? cannotWrite(folder / item.fileName, error) : "";
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

std::vector<GalleryItem> renderGallery(const kit::widgets::WidgetBundle &bundle,
                                       const std::filesystem::path &folder, double scale) {
  const auto &widgets = bundle.widgets();
  std::vector<GalleryItem> items;
  for (const auto &widget : widgets)
    items.push_back(itemOf(widget));
  for (const auto &section : bundle.sections())
    for (std::size_t i = section.begin; i < section.end && i < items.size(); ++i)
      items[i].section = section.title;

  std::atomic<std::size_t> next = 0;
  auto work = [&] {
    for (std::size_t i = next++; i < widgets.size(); i = next++) {
      items[i].failure = drawSnapshot(widgets[i], items[i], folder, scale);
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
  return items;
}

} // namespace zavel::host
