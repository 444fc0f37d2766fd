#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/OutputFiles.h"
#include "host/QuotedText.h"
#include "host/WidgetRendering.h"
#include "host/WidgetSelection.h"
#include "kit/foundation/MemoryPolicy.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/ui/TreeJson.h"
#include "kit/ui/drawing/StaticLayerCache.h"

#include <cmath>
#include <fmt/format.h>

namespace zavel::host {
namespace {

using kit::ui::ColorScheme;
using kit::ui::WidgetRenderingMode;

// Larger sides are beyond what the renderer draws.
constexpr double kMaximumSide = 8192;
// 4096 × 4096: the picture, its rows and its compressed form stay within a few hundred MB.
constexpr double kMaximumPixels = 16'777'216;

struct RenderRequest {
  std::string kind;
  std::optional<std::string> configuration;
  int64_t entry = 0;
  double scale = 2;
  std::optional<kit::ui::Size> size;
  Appearance appearance;
  std::string output;
  std::optional<std::string> tree;
};

RenderRequest readRequest(Words words) {
  CommandLine line(words,
                   {{"--config", true},
                    {"--entry", true},
                    {"--scale", true},
                    {"--size", true},
                    {"--mode", true},
                    {"--scheme", true},
                    {"-o", true},
                    {"--tree", true}},
                   1, 1);
  RenderRequest request;
  request.kind = line.operand(0);
  request.configuration = line.value("--config");
  if (auto entry = line.value("--entry"))
    request.entry = arguments::wholeNumber("--entry", *entry);
  if (auto scale = line.value("--scale"))
    request.scale = arguments::number("--scale", *scale);
  if (request.scale <= 0)
    throw BadInput("--scale must be more than 0");
  if (auto size = line.value("--size"))
    request.size = arguments::size(*size);
  if (auto mode = line.value("--mode"))
    request.appearance.mode =
        arguments::choice<WidgetRenderingMode>("--mode", *mode,
                                               {{"full", WidgetRenderingMode::fullColor},
                                                {"accented", WidgetRenderingMode::accented},
                                                {"vibrant", WidgetRenderingMode::vibrant}});
  if (auto scheme = line.value("--scheme"))
    request.appearance.scheme = arguments::choice<ColorScheme>(
        "--scheme", *scheme, {{"light", ColorScheme::light}, {"dark", ColorScheme::dark}});
  request.output = line.required("-o");
  request.tree = line.value("--tree");
  // One file cannot hold both: the tree would take the picture's place.
  if (request.tree && sameOutput(request.output, *request.tree))
    throw BadInput("-o and --tree name the same file " + quotedPath(request.output) +
                   "; give each its own");
  return request;
}

// A side that ends in part of a pixel gets the whole pixel, as the renderer rounds up.
void checkPictureSize(kit::ui::Size size, double scale) {
  double width = size.width * scale;
  double height = size.height * scale;
  if (width < 1 || height < 1)
    throw BadInput(
        fmt::format("the picture would be {:g} × {:g} pixels, less than one pixel", width, height));
  if (std::ceil(width) > kMaximumSide || std::ceil(height) > kMaximumSide)
    throw BadInput("the picture would be larger than 8192 pixels on a side");
  if (std::ceil(width) * std::ceil(height) > kMaximumPixels)
    throw BadInput(fmt::format("the picture would be {:g} × {:g} pixels, more than 4096 × 4096",
                               std::ceil(width), std::ceil(height)));
}

} // namespace

// One entry drawn to PNG, with its laid-out tree as JSON on request.
int renderCommand(Words words, CommandContext &context) {
  RenderRequest request = readRequest(words);
  SelectedWidget selected = selectWidget(context, request.kind, request.configuration);
  auto timelineContext = kit::widgets::TimelineContext::of(selected.widget.info().family);
  if (request.size)
    timelineContext.displaySize = *request.size;
  checkPictureSize(timelineContext.displaySize, request.scale);
  useShippedFonts(context);

  auto entry = timelineEntry(selected, timelineContext, request.entry);
  // A picture's buffers come and go once each: freed memory is reused, not faulted in anew.
  kit::foundation::keepFreedMemoryForReuse();
  // One picture per process: the casing and the empty screen come from the pictures an earlier
  // process saved.
  kit::ui::drawing::StaticLayerCache::shared().keepOnDisk(kit::foundation::zavelHome() / "caches" /
                                                          "layers");
  auto tree = layOutEntry(entry, timelineContext.displaySize, request.appearance);
  std::string png = renderPng(tree, request.scale);
  if (png.empty())
    throw CommandFailure("the picture could not be encoded as PNG");
  std::vector<std::pair<std::string, std::string>> outputs{{request.output, std::move(png)}};
  if (request.tree)
    outputs.emplace_back(*request.tree,
                         kit::ui::treeJson(tree).dump(
                             1, ' ', false, kit::foundation::Json::error_handler_t::replace));
  writeOutputsOrFail(std::move(outputs), context.out);
  return 0;
}

} // namespace zavel::host
