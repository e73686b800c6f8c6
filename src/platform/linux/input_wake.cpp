#include "platform/linux/input_wake.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace pultara::linux_x11 {

namespace {

// Reads until the descriptor has nothing more; false on end of file or an
// error other than "nothing more".
bool ReadAll(int fd) {
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got > 0) {
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

}  // namespace

InputWake::InputWake(const std::string& deviceFolder) : folder_(deviceFolder) {
    hotplug_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (hotplug_ < 0) {
        return;
    }
    // Without the folder (no input device yet) its parent tells when it
    // appears.
    const std::string parent = folder_.substr(0, folder_.find_last_of('/') + 1);
    if (!WatchFolder() && inotify_add_watch(hotplug_, parent.c_str(), IN_CREATE) < 0) {
        close(hotplug_);
        hotplug_ = -1;
    }
}

bool InputWake::WatchFolder() {
    if (folderWatched_) {
        return true;
    }
    folderWatched_ =
        inotify_add_watch(hotplug_, folder_.c_str(), IN_CREATE | IN_DELETE | IN_ATTRIB) >= 0;
    return folderWatched_;
}

InputWake::~InputWake() {
    CloseNode();
    if (hotplug_ >= 0) {
        close(hotplug_);
    }
}

bool InputWake::WatchNode(const std::string& path) {
    if (path == path_ && node_ >= 0) {
        return true;
    }
    CloseNode();
    if (path.empty()) {
        return false;
    }
    node_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (node_ < 0) {
        return false;
    }
    path_ = path;
    return true;
}

bool InputWake::DrainNode() {
    if (node_ < 0) {
        return false;
    }
    if (!ReadAll(node_)) {
        CloseNode();
        return false;
    }
    return true;
}

void InputWake::DrainHotplug() {
    if (hotplug_ >= 0) {
        ReadAll(hotplug_);
        WatchFolder();
    }
}

void InputWake::CloseNode() {
    if (node_ >= 0) {
        close(node_);
    }
    node_ = -1;
    path_.clear();
}

}  // namespace pultara::linux_x11
