#pragma once
#include <string>

namespace pultara::linux_x11 {

// The file descriptors a sleeping program waits on for the joystick: the
// joystick's own input node (readable whenever it reports an event) and an
// inotify watch on the input device folder (a device plugged in or out, or
// its permissions set). The event loop waits on both; the program reads
// the joystick's state elsewhere (SDL), so what arrives here is only
// drained.
class InputWake {
public:
    // Watches `deviceFolder` for devices coming and going (or, while it
    // does not exist, its parent for it to appear); -1 from HotplugFd() when
    // that is impossible.
    explicit InputWake(const std::string& deviceFolder = "/dev/input");
    ~InputWake();
    InputWake(const InputWake&) = delete;
    InputWake& operator=(const InputWake&) = delete;

    // Opens `path` (read-only, non-blocking) as the node to wait on, in
    // place of the one before; an empty path or a node that cannot be opened
    // leaves none. Returns whether a node is watched.
    bool WatchNode(const std::string& path);
    const std::string& NodePath() const { return path_; }
    int NodeFd() const { return node_; }
    int HotplugFd() const { return hotplug_; }

    // Reads what the node has to say. False when the node is gone (the
    // device was unplugged): it is closed, and NodeFd() is -1.
    bool DrainNode();
    // Reads the pending notices of the device folder.
    void DrainHotplug();

private:
    void CloseNode();
    bool WatchFolder();

    std::string folder_;
    bool folderWatched_ = false;
    std::string path_;
    int node_ = -1;
    int hotplug_ = -1;
};

}  // namespace pultara::linux_x11
