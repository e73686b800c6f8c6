#include "platform/linux/wayland/uinput_device.h"

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pultara::linux_wayland {

namespace {

constexpr int kLastKeyboardKey = 255;  // joystick and gamepad buttons start above

bool Setup(int fd) {
    bool ok = ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0 && ioctl(fd, UI_SET_EVBIT, EV_REL) == 0 &&
              ioctl(fd, UI_SET_EVBIT, EV_SYN) == 0;
    for (int key = KEY_ESC; ok && key <= kLastKeyboardKey; ++key) {
        ok = ioctl(fd, UI_SET_KEYBIT, key) == 0;
    }
    for (const int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) {
        ok = ok && ioctl(fd, UI_SET_KEYBIT, button) == 0;
    }
    ok = ok && ioctl(fd, UI_SET_RELBIT, REL_X) == 0 && ioctl(fd, UI_SET_RELBIT, REL_Y) == 0;
    uinput_setup setup{};
    setup.id.bustype = BUS_VIRTUAL;
    std::strncpy(setup.name, "Pultara virtual keyboard and mouse", UINPUT_MAX_NAME_SIZE - 1);
    return ok && ioctl(fd, UI_DEV_SETUP, &setup) == 0 && ioctl(fd, UI_DEV_CREATE) == 0;
}

}  // namespace

void InputEventWriter::Event(std::uint16_t type, std::uint16_t code, std::int32_t value) {
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    if (write(fd_, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) {
        failed_ = true;
    }
}

void InputEventWriter::Key(std::uint16_t code, bool down) {
    Event(EV_KEY, code, down ? 1 : 0);
    Event(EV_SYN, SYN_REPORT, 0);
}

void InputEventWriter::Motion(std::int32_t dx, std::int32_t dy) {
    if (dx != 0) {
        Event(EV_REL, REL_X, dx);
    }
    if (dy != 0) {
        Event(EV_REL, REL_Y, dy);
    }
    Event(EV_SYN, SYN_REPORT, 0);
}

std::unique_ptr<UinputDevice> UinputDevice::Create(const std::string& path, std::string& error) {
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    if (!Setup(fd)) {
        error = path + ": " + std::strerror(errno);
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<UinputDevice>(new UinputDevice(fd));
}

UinputDevice::~UinputDevice() {
    ioctl(fd_, UI_DEV_DESTROY);
    close(fd_);
}

}  // namespace pultara::linux_wayland
