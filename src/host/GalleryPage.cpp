#include "host/GalleryPage.h"

#include <fmt/format.h>

namespace zavel::host {
namespace {

constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Zavel widgets</title>
<style>
body { margin: 32px; background: #d9d9de; font: 14px/1.4 system-ui, sans-serif; color: #1c1c1f; }
main { display: flex; flex-wrap: wrap; gap: 32px; align-items: flex-start; }
figure { margin: 0; }
figcaption { margin-top: 8px; max-width: 364px; }
figcaption small { display: block; color: #5c5c66; }
</style>
</head>
<body>
<h1>Zavel widgets</h1>
<main>
)";

constexpr std::string_view kTail = "</main>\n</body>\n</html>\n";

std::string figure(const GalleryItem &item) {
  return fmt::format("<figure>\n<img src=\"{}\" width=\"{}\" height=\"{}\" alt=\"{}\">\n"
                     "<figcaption>{}<small>{}</small><small>{}</small></figcaption>\n</figure>\n",
                     escapedHtml(item.fileName), item.size.width, item.size.height,
                     escapedHtml(item.displayName), escapedHtml(item.displayName),
                     escapedHtml(item.kind), escapedHtml(item.description));
}

} // namespace

std::string escapedHtml(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
    case '&':
      escaped += "&amp;";
      break;
    case '<':
      escaped += "&lt;";
      break;
    case '>':
      escaped += "&gt;";
      break;
    case '"':
      escaped += "&quot;";
      break;
    default:
      escaped += c;
    }
  }
  return escaped;
}

std::string galleryPage(const std::vector<GalleryItem> &items) {
  std::string page(kHead);
  for (const GalleryItem &item : items)
    if (item.written)
      page += figure(item);
  return page + std::string(kTail);
}

} // namespace zavel::host
