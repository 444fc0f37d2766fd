#pragma once

#include "host/Gallery.h"

#include <string>
#include <vector>

namespace zavel::host {

// The gallery's index.html: every written picture in order at its size in points, under its
// display name, with its kind and description, grouped under the headings of their groups.
std::string galleryPage(const std::vector<GalleryItem> &items);

// The text with the characters HTML gives meaning to written as references.
std::string escapedHtml(std::string_view text);

} // namespace zavel::host
