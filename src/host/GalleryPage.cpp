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
section { display: flex; flex-wrap: wrap; gap: 32px; align-items: flex-start; margin-bottom: 40px; }
h2 { flex-basis: 100%; margin: 0; font-size: 18px; }
figure { margin: 0; }
figcaption { margin-top: 8px; max-width: 364px; }
figcaption small { display: block; color: #5c5c66; }
</style>
</head>
<body>
<h1>Zavel widgets</h1>
<p>Each picture is the widget's built-in sample; only the theme and the time format follow your settings.</p>
<main>
)";

constexpr std::string_view kTail = "</main>\n</body>\n</html>\n";

// A group's pictures under its heading; pictures of no group under none.
std::string section(const std::string &title, const std::string &figures) {
  std::string heading = title.empty() ? "" : fmt::format("<h2>{}</h2>\n", escapedHtml(title));
  return fmt::format("<section>\n{}{}</section>\n", heading, figures);
}

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
  // Consecutive pictures of one group share its section.
  for (std::size_t i = 0; i < items.size();) {
    std::string figures;
    std::size_t next = i;
    for (; next < items.size() && items[next].section == items[i].section; ++next)
      if (items[next].written)
        figures += figure(items[next]);
    if (!figures.empty())
      page += section(items[i].section, figures);
    i = next;
  }
  return page + std::string(kTail);
}

} // namespace zavel::host
