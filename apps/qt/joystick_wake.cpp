#include "joystick_wake.h"

namespace pultara::qt {

JoystickWake::JoystickWake(const linux_x11::SdlJoystick& joystick, std::function<void()> onWake,
                           std::function<void()> onDevice)
    : joystick_(joystick), onWake_(std::move(onWake)), onDevice_(std::move(onDevice)) {
    if (input_.HotplugFd() >= 0) {
        hotplug_ = std::make_unique<QSocketNotifier>(input_.HotplugFd(), QSocketNotifier::Read);
        connect(hotplug_.get(), &QSocketNotifier::activated, this, &JoystickWake::DeviceCameOrWent);
    }
}

void JoystickWake::FollowJoystick() {
    // Only a joystick opened or closed since the last look, or a node that
    // could not be watched, needs a look at SDL's device path.
    const std::uint32_t openings = joystick_.Openings();
    if (openings == openingsFollowed_ && (node_ != nullptr || !joystick_.Attached())) {
        return;
    }
    openingsFollowed_ = openings;
    const std::string path = joystick_.DevicePath();
    if (path == input_.NodePath() && (node_ != nullptr) == (input_.NodeFd() >= 0)) {
        return;
    }
    DropNode();
    if (input_.WatchNode(path)) {
        node_ = std::make_unique<QSocketNotifier>(input_.NodeFd(), QSocketNotifier::Read);
        connect(node_.get(), &QSocketNotifier::activated, this, &JoystickWake::NodeReadable);
    }
}

bool JoystickWake::CanSignal() const {
    if (demo_) {
        return true;
    }
    if (joystick_.Attached()) {
        return node_ != nullptr;
    }
    // No joystick: one plugged in is seen in /dev/input.
    return hotplug_ != nullptr;
}

void JoystickWake::NodeReadable() {
    if (input_.DrainNode()) {
        onWake_();
        return;
    }
    // Unplugged: the node is closed; the next tick lets SDL notice.
    DropNode();
    onDevice_();
}

// The notifier may be the one whose signal is running: it is switched off
// now and deleted by the event loop.
void JoystickWake::DropNode() {
    if (node_ != nullptr) {
        node_->setEnabled(false);
        node_.release()->deleteLater();
    }
}

void JoystickWake::DeviceCameOrWent() {
    input_.DrainHotplug();
    onDevice_();
}

}  // namespace pultara::qt
