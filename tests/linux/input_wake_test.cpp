#include "platform/linux/input_wake.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace pultara::linux_x11 {
namespace {

namespace fs = std::filesystem;

// What wakes the event loop's read notifier: data, or a hang-up or error.
bool Readable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 0) > 0 && (entry.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

// A pipe stands in for a joystick's input node: readable when it reports.
struct StandInNode {
    StandInNode() { EXPECT_EQ(pipe(ends), 0); }
    ~StandInNode() {
        for (int fd : ends) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(ends[0]); }
    void Report() { ASSERT_EQ(write(ends[1], "evnt", 4), 4); }
    void Unplug() {
        close(ends[1]);
        ends[1] = -1;
    }
    int ends[2] = {-1, -1};
};

// The node wakes the loop once per report: after draining it is quiet
// again (a node left readable would spin the event loop), and a vanished
// device closes it.
TEST(InputWake, TheNodeIsQuietAfterDrainingAndClosedWhenTheDeviceGoes) {
    const fs::path folder = fs::path(::testing::TempDir()) / "input-wake-node";
    fs::create_directories(folder);
    InputWake wake(folder.string());
    StandInNode node;
    ASSERT_TRUE(wake.WatchNode(node.Path()));
    EXPECT_FALSE(Readable(wake.NodeFd()));
    node.Report();
    node.Report();
    EXPECT_TRUE(Readable(wake.NodeFd()));
    EXPECT_TRUE(wake.DrainNode());
    EXPECT_FALSE(Readable(wake.NodeFd()));

    node.Unplug();
    EXPECT_TRUE(Readable(wake.NodeFd()));
    EXPECT_FALSE(wake.DrainNode());
    EXPECT_EQ(wake.NodeFd(), -1);
    EXPECT_FALSE(wake.WatchNode("")) << "no joystick, no node";
    EXPECT_FALSE(wake.WatchNode((folder / "missing").string()));
    fs::remove_all(folder);
}

// Devices coming and going wake the loop, also when the device folder
// itself only appears with the first device.
TEST(InputWake, DevicesComingAndGoingWakeTheLoopEvenBeforeTheFolderExists) {
    const fs::path parent = fs::path(::testing::TempDir()) / "input-wake-hotplug";
    fs::remove_all(parent);
    fs::create_directories(parent);
    InputWake wake((parent / "input").string());
    ASSERT_GE(wake.HotplugFd(), 0);
    EXPECT_FALSE(Readable(wake.HotplugFd()));

    fs::create_directory(parent / "input");
    EXPECT_TRUE(Readable(wake.HotplugFd()));
    wake.DrainHotplug();
    EXPECT_FALSE(Readable(wake.HotplugFd()));

    std::ofstream(parent / "input" / "event7") << "";
    EXPECT_TRUE(Readable(wake.HotplugFd())) << "a device in the folder that appeared";
    wake.DrainHotplug();
    fs::remove(parent / "input" / "event7");
    EXPECT_TRUE(Readable(wake.HotplugFd())) << "a device gone";
    fs::remove_all(parent);
}

}  // namespace
}  // namespace pultara::linux_x11
