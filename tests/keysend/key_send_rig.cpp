#include "key_send_rig.h"

#include "platform/common/us_layout.h"
#include "platform/fake/call_log.h"

namespace pultara::testing {

namespace {

std::string Event(std::uint8_t virtualKey, int flags) {
    return "keybd_event(" + fake::Hex(virtualKey) + ", " +
           fake::Hex(UsScanCodeForVirtualKey(virtualKey)) + ", " + std::to_string(flags) + ")";
}

}  // namespace

std::string Down(std::uint8_t virtualKey) {
    return Event(virtualKey, 0);
}
std::string Up(std::uint8_t virtualKey) {
    return Event(virtualKey, 2);
}
std::string DownExt(std::uint8_t virtualKey) {
    return Event(virtualKey, 1);
}
std::string UpExt(std::uint8_t virtualKey) {
    return Event(virtualKey, 3);
}
std::string AltGrPart(std::uint8_t virtualKey, bool up) {
    return Event(virtualKey, static_cast<int>(kKeyEventAltGrPart | (up ? kKeyEventKeyUp : 0)));
}

std::string Box(const std::string& text) {
    return "MessageBox(\"" + text + "\", \"SendKeys\", NONE)";
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines joined;
    for (const Lines& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

Lines Tap(std::uint8_t virtualKey) {
    return {Down(virtualKey), Up(virtualKey)};
}
Lines TapExt(std::uint8_t virtualKey) {
    return {DownExt(virtualKey), UpExt(virtualKey)};
}
Lines Shifted(std::uint8_t virtualKey) {
    return {Down(kShift), Down(virtualKey), Up(virtualKey), Up(kShift)};
}

Lines KeySend::Send(const std::string& command) {
    log.Clear();
    sender.SendKeys(command);
    return log.Lines();
}

bool KeySend::NothingDown() const {
    for (const auto& [virtualKey, isDown] : keyboard.down) {
        if (isDown) {
            return false;
        }
    }
    return true;
}

}  // namespace pultara::testing
