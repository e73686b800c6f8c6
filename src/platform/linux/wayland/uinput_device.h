#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace pultara::linux_wayland {

// Writes input events in the kernel's format to a file: the uinput device,
// or any file standing in for it. Each key, button or move is one report,
// closed by its SYN_REPORT, so that a reader never sees half a move.
class InputEventWriter {
public:
    explicit InputEventWriter(int fd) : fd_(fd) {}
    // A key or button by its Linux input code (KEY_*, BTN_*).
    void Key(std::uint16_t code, bool down);
    void Motion(std::int32_t dx, std::int32_t dy);
    // Whether a write failed (the device has gone).
    bool Failed() const { return failed_; }

private:
    void Event(std::uint16_t type, std::uint16_t code, std::int32_t value);

    int fd_;
    bool failed_ = false;
};

// A virtual keyboard and relative pointer of the kernel (/dev/uinput), one
// device for the program's life; the compositor takes its events as those of
// real hardware, so this works on desktops that refuse the virtual-keyboard
// protocol (GNOME, KDE). It reports only keyboard keys and the three mouse
// buttons: a device that also reports joystick buttons is taken for a
// joystick and ignored.
class UinputDevice {
public:
    // The device, or null with `error` telling why (the path cannot be
    // opened: missing module or no permission; or the kernel refused it).
    static std::unique_ptr<UinputDevice> Create(const std::string& path, std::string& error);
    ~UinputDevice();
    UinputDevice(const UinputDevice&) = delete;
    UinputDevice& operator=(const UinputDevice&) = delete;

    InputEventWriter& writer() { return writer_; }

private:
    explicit UinputDevice(int fd) : fd_(fd), writer_(fd) {}

    int fd_;
    InputEventWriter writer_;
};

}  // namespace pultara::linux_wayland
