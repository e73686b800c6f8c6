#pragma once
#include <functional>
#include <map>
#include <string>

#include "platform/fake/call_log.h"
#include "ui/form_host.h"

namespace pultara::fake {

// Logs `ShowModal(FORM)`, `BringToFront(FORM)` and `Quit`. A modal window
// closes as soon as it opens, after running what `whileModal` holds for it
// (what the user or the timers do while it is open).
class FakeFormHost : public FormHost {
public:
    explicit FakeFormHost(CallLog& log) : log_(log) {}
    void ShowModal(Form& form) override;
    void BringToFront(Form& form) override;
    void Quit() override;

    std::map<std::string, std::function<void(Form&)>> whileModal;  // by form name
    bool quit = false;

private:
    CallLog& log_;
};

}  // namespace pultara::fake
