#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/HostJson.h"
#include "host/QuotedText.h"

namespace zavel::host {

// The entities a configuration picker offers: the suggested ones, or those matching a text.
int queryCommand(Words words, CommandContext &context) {
  CommandLine line(words, {}, 1, 2);
  const std::string &typeName = line.operand(0);
  const auto *query = context.bundle.intents().entityQuery(typeName);
  if (!query)
    throw BadInput("unknown entity " + quotedWord(typeName));
  bool searching = line.operands().size() == 2;
  if (std::string why = query->searchUnavailable(); searching && !why.empty())
    throw CommandFailure(why);
  auto entities = searching ? query->entitiesMatching(line.operand(1)) : query->suggestedEntities();
  json::print(context.out, json::Ordered(kit::foundation::encodeJson(entities)));
  return 0;
}

} // namespace zavel::host
