#include "Shared/Data/SharedSuite.h"
#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/DefaultsValueText.h"
#include "host/QuotedText.h"

#include <array>

namespace zavel::host {
namespace {

constexpr std::array<std::string_view, 6> kTypeOptions{"--int",    "--double", "--bool",
                                                       "--string", "--json",   "--array"};

// The type option given, "--string" when none; BadInput for more than one.
std::string_view typeOption(const CommandLine &line) {
  std::string_view chosen;
  for (std::string_view option : kTypeOptions) {
    if (!line.has(option))
      continue;
    if (!chosen.empty())
      throw BadInput("give one type option, not " + std::string(chosen) + " and " +
                     std::string(option));
    chosen = option;
  }
  return chosen.empty() ? "--string" : chosen;
}

bool hasTypeOption(const CommandLine &line) {
  for (std::string_view option : kTypeOptions)
    if (line.has(option))
      return true;
  return false;
}

// Held by another program, the suite may well hold a value: it is said to be busy, not missing,
// and a write to it is not said to be refused for the value's sake.
void refuseBusy(const kit::foundation::Defaults &suite) {
  if (suite.isBusy())
    throw CommandFailure("the suite is busy: another program holds it locked");
}

int readValue(const std::string &key, CommandContext &context) {
  auto suite = SharedSuite::open();
  refuseBusy(suite);
  auto value = suite.object(key);
  if (!value)
    throw CommandFailure("no value under " + quotedWord(key));
  // Another program stored it: nothing in it may steer the terminal.
  context.out << terminalText(defaultsValueText(*value)) << '\n';
  return 0;
}

// The suite a write goes to; CommandFailure when neither the group's suite file nor the standard
// one could be opened, as what the store in memory keeps is gone when the command ends.
kit::foundation::Defaults storeOnDisk(const std::string &key, std::string_view doing) {
  auto suite = SharedSuite::open();
  refuseBusy(suite);
  if (suite.isInMemory())
    throw CommandFailure("no suite file could be opened to " + std::string(doing) + " " +
                         quotedWord(key));
  return suite;
}

int writeValue(const std::string &key, const kit::foundation::DefaultsValue &value) {
  if (!storeOnDisk(key, "store").set(key, value))
    throw CommandFailure("the suite refused to store " + quotedWord(key));
  return 0;
}

int deleteValue(const std::string &key) {
  if (!storeOnDisk(key, "remove").removeObject(key))
    throw CommandFailure("the suite refused to remove " + quotedWord(key));
  return 0;
}

} // namespace

// The shared suite as the host application reads and writes it: typed values under keys.
int defaultsCommand(Words words, CommandContext &context) {
  CommandLine line(
      words, {{"--int"}, {"--double"}, {"--bool"}, {"--string"}, {"--json"}, {"--array"}}, 2, 3);
  const std::string &action = line.operand(0);
  const std::string &key = line.operand(1);
  if (key.empty())
    throw BadInput("the key is empty");
  bool writing = action == "write";
  if (!writing && action != "read" && action != "delete")
    throw BadInput("unknown action " + quotedWord(action) + "; use read, write or delete");
  if (writing && line.operands().size() != 3)
    throw BadInput("write needs a KEY and a VALUE");
  if (!writing && (line.operands().size() != 2 || hasTypeOption(line)))
    throw BadInput(action + " takes a KEY alone");

  if (writing)
    return writeValue(key, defaultsValue(typeOption(line), line.operand(2)));
  if (action == "read")
    return readValue(key, context);
  return deleteValue(key);
}

} // namespace zavel::host
