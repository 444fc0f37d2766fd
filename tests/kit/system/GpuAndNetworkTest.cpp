#include "kit/system/GpuBusy.h"
#include "kit/system/NetworkCounters.h"
#include "kit/system/NetworkInterfaceKind.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using kit::system::NetworkCounters;
using kit::system::NetworkInterfaceKind;
using kit::system::readGpuBusyPercent;
using kit::system::readNetworkCounters;
using kit::system::readNetworkInterfaceKind;
using test_support::ScratchTree;

TEST(GpuBusy, FirstCardInNumberOrderThatReportsAWholeNumberOrNone) {
  ScratchTree tree;
  EXPECT_EQ(readGpuBusyPercent(tree.root()), std::nullopt);
  tree.folder("sys/class/drm/card0/device"); // a driver that reports nothing
  tree.write("sys/class/drm/card0-DP-1/device/gpu_busy_percent", "99\n"); // a connector
  tree.write("sys/class/drm/card1/device/gpu_busy_percent", "12.5\n");
  tree.folder("sys/class/drm/card3/device/gpu_busy_percent");
  EXPECT_EQ(readGpuBusyPercent(tree.root()), std::nullopt);
  tree.write("sys/class/drm/card10/device/gpu_busy_percent", "70\n");
  tree.write("sys/class/drm/card2/device/gpu_busy_percent", "37\n");
  tree.write("sys/class/drm/renderD128/device/gpu_busy_percent", "5\n");
  EXPECT_EQ(readGpuBusyPercent(tree.root()), 37);
}

namespace {

void addInterface(const ScratchTree &tree, const std::string &name, bool physical,
                  const std::string &received, const std::string &sent) {
  auto base = "sys/class/net/" + name;
  if (physical)
    tree.folder(base + "/device");
  tree.write(base + "/statistics/rx_bytes", received + "\n");
  tree.write(base + "/statistics/tx_bytes", sent + "\n");
}

} // namespace

TEST(NetworkCounters, SumsThePhysicalInterfacesOnlyOrNoneWithoutAList) {
  ScratchTree tree;
  EXPECT_EQ(readNetworkCounters(tree.root()), std::nullopt); // no interface list
  tree.folder("sys/class/net");
  EXPECT_EQ(readNetworkCounters(tree.root()), std::nullopt); // an empty one
  addInterface(tree, "lo", false, "5", "5");
  EXPECT_EQ(readNetworkCounters(tree.root()), NetworkCounters{}); // only virtual ones: zeros
  addInterface(tree, "enp3s0", true, "5000000000", "garbage");
  tree.folder("sys/class/net/eth1/device"); // no counters at all
  addInterface(tree, "eth2", true, "18446744073709551615", "1");
  addInterface(tree, "wlp2s0", true, "7000", "2");
  EXPECT_EQ(readNetworkCounters(tree.root()),
            (NetworkCounters{
                .receivedBytes = UINT64_MAX, .sentBytes = 3, .interfaces = {"eth2", "wlp2s0"}}));
}

TEST(NetworkInterfaceKind, WirelessByItsWirelessOrPhyEntryElseWired) {
  ScratchTree tree;
  tree.folder("sys/class/net/wlp2s0/wireless");
  // A link whose target is not in the tree still counts: the entry is what matters.
  tree.folder("sys/class/net/wlan1");
  std::filesystem::create_directory_symlink("../../ieee80211/phy1",
                                            tree.root() / "sys/class/net/wlan1/phy80211");
  tree.folder("sys/class/net/enp3s0/device");
  tree.folder("sys/class/net/br0/bridge");
  tree.write("sys/class/net/wlan2", "a file, not an interface folder");
  struct Case {
    const char *name, *interface;
    NetworkInterfaceKind kind;
  } cases[] = {
      {.name = "wireless folder", .interface = "wlp2s0", .kind = NetworkInterfaceKind::wireless},
      {.name = "phy80211 link", .interface = "wlan1", .kind = NetworkInterfaceKind::wireless},
      {.name = "ethernet device", .interface = "enp3s0", .kind = NetworkInterfaceKind::wired},
      {.name = "bridge", .interface = "br0", .kind = NetworkInterfaceKind::wired},
      {.name = "not a folder", .interface = "wlan2", .kind = NetworkInterfaceKind::wired},
      {.name = "absent", .interface = "wlan9", .kind = NetworkInterfaceKind::wired},
  };
  for (const auto &c : cases)
    EXPECT_EQ(readNetworkInterfaceKind(c.interface, tree.root()), c.kind) << c.name;
}
