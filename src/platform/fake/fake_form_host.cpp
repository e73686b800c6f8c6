#include "platform/fake/fake_form_host.h"

namespace pultara::fake {

void FakeFormHost::ShowModal(Form& form) {
    log_.Add("ShowModal(" + form.Name() + ")");
    const auto action = whileModal.find(form.Name());
    if (action != whileModal.end() && action->second) {
        action->second(form);
    }
    form.SetVisible(false);
}

void FakeFormHost::BringToFront(Form& form) {
    log_.Add("BringToFront(" + form.Name() + ")");
}

void FakeFormHost::Quit() {
    log_.Add("Quit");
    quit = true;
}

}  // namespace pultara::fake
