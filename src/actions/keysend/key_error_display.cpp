#include "actions/keysend/key_error_display.h"

namespace pultara {

namespace {

// Clears the open flag however the box ends, even when something that ran
// inside it threw.
struct OpenBoxFlag {
    explicit OpenBoxFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~OpenBoxFlag() { flag_ = false; }
    OpenBoxFlag(const OpenBoxFlag&) = delete;
    OpenBoxFlag& operator=(const OpenBoxFlag&) = delete;
    bool& flag_;
};

}  // namespace

void KeyErrorDisplay::Show(const std::string& text) {
    if (boxOpen_) {
        return;
    }
    OpenBoxFlag open(boxOpen_);
    dialogs_.ShowMessage(text, "SendKeys", MessageIcon::None);
}

}  // namespace pultara
