#include "Shared/Views/SystemViews/NetInterface.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavel {
namespace {

// An interface under /sys/class/net with its counters; `physical` gives it a device.
struct Interface {
  std::string name;
  bool physical = true;
  bool wireless = false;
};

TEST(NetInterface, TheFirstPhysicalInterfaceInNameOrderNamedByItsKind) {
  struct Case {
    const char *name = "";
    std::vector<Interface> interfaces;
    std::string label;
  };
  const Case cases[] = {
      Case{.name = "wireless",
           .interfaces = {{.name = "wlp2s0", .wireless = true}},
           .label = "WI-FI"},
      Case{.name = "wired", .interfaces = {{.name = "enp3s0"}}, .label = "ETHERNET"},
      Case{.name = "wired first by name",
           .interfaces = {{.name = "wlan0", .wireless = true}, {.name = "eth0"}},
           .label = "ETHERNET"},
      Case{.name = "virtual ones pass",
           .interfaces = {{.name = "docker0", .physical = false},
                          {.name = "lo", .physical = false},
                          {.name = "wlan0", .wireless = true}},
           .label = "WI-FI"},
      Case{.name = "only virtual",
           .interfaces = {{.name = "br-1", .physical = false}, {.name = "lo", .physical = false}},
           .label = "WI-FI"},
      Case{.name = "no interfaces", .interfaces = {}, .label = "WI-FI"},
  };
  for (const Case &c : cases) {
    test_support::ScratchTree tree;
    for (const Interface &interface : c.interfaces) {
      std::string base = "sys/class/net/" + interface.name;
      tree.write(base + "/statistics/rx_bytes", "1\n");
      tree.write(base + "/statistics/tx_bytes", "1\n");
      if (interface.physical)
        tree.folder(base + "/device");
      if (interface.wireless)
        tree.folder(base + "/wireless");
    }
    EXPECT_EQ(NetInterface::labelAt(tree.root()), c.label) << c.name;
  }
}

} // namespace
} // namespace zavel
