#include "joystick_wake.h"

namespace pultara::qt {

namespace {
// How long the poll keeps running after a device came or went: SDL opens a
// new joystick once udev has set its permissions.
constexpr qint64 kHotplugSettleMs = 2000;
}  // namespace

JoystickWake::JoystickWake(const linux_x11::SdlJoystick& joystick, std::function<void()> onWake,
                           std::function<void()> onDevice)
    : joystick_(joystick), onWake_(std::move(onWake)), onDevice_(std::move(onDevice)) {
    if (input_.HotplugFd() >= 0) {
        hotplug_ = std::make_unique<QSocketNotifier>(input_.HotplugFd(), QSocketNotifier::Read);
        connect(hotplug_.get(), &QSocketNotifier::activated, this, &JoystickWake::DeviceCameOrWent);
    }
}

void JoystickWake::Follow() {
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

bool JoystickWake::CanWake() const {
    if (sinceHotplug_.isValid() && !sinceHotplug_.hasExpired(kHotplugSettleMs)) {
        return false;
    }
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
    if (!input_.DrainNode()) {
        // Unplugged: the node is closed; the next tick lets SDL notice.
        DropNode();
        sinceHotplug_.start();
        onDevice_();
    }
    onWake_();
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
    sinceHotplug_.start();
    onDevice_();
    onWake_();
}

}  // namespace pultara::qt
