#include "program_timers.h"

namespace pultara::qt {

namespace {
constexpr const char* kPollTimer = "Timer1";
constexpr const char* kSaveTimer = "Timer2";
}  // namespace

ProgramTimers::ProgramTimers(Form& mainForm, std::function<void()> onPoll,
                             std::function<void()> onSave)
    : form_(mainForm) {
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, std::move(onPoll));
    connect(&save_, &QTimer::timeout, this, std::move(onSave));
    Follow(form_.Get(kPollTimer));
    Follow(form_.Get(kSaveTimer));
    form_.AddObserver(this);
}

ProgramTimers::~ProgramTimers() {
    form_.RemoveObserver(this);
}

void ProgramTimers::Follow(const Control& control) {
    QTimer& timer = control.Name() == kPollTimer ? poll_ : save_;
    if (control.Enabled() && control.Interval() != 0) {
        timer.start(static_cast<int>(control.Interval()));
    } else {
        timer.stop();
    }
}

void ProgramTimers::ControlChanged(const Control& control, Property property) {
    if (control.Kind() == ControlKind::Timer &&
        (property == Property::Interval || property == Property::Enabled)) {
        Follow(control);
    }
}

}  // namespace pultara::qt
