#include "program_timers.h"

namespace pultara::qt {

ProgramTimers::ProgramTimers(Program& program, std::function<void()> onPoll,
                             std::function<void()> onSave)
    : program_(program), onPoll_(std::move(onPoll)), onSave_(std::move(onSave)) {
    poll_.setTimerType(Qt::PreciseTimer);
    // Qt fires a timer again only after its slot has returned, so a tick that
    // waits in a box would stop the joystick until the box is closed. The
    // timer only queues the tick; the tick runs from the event loop, where a
    // box's own loop goes on firing the timer and running further ticks.
    connect(&poll_, &QTimer::timeout, this, &ProgramTimers::QueueTick);
    connect(&save_, &QTimer::timeout, this, &ProgramTimers::Save);
    Follow(program_.PollTimer(), poll_);
    Follow(program_.SaveTimer(), save_);
    program_.Main().AddObserver(this);
}

ProgramTimers::~ProgramTimers() {
    program_.Main().RemoveObserver(this);
}

void ProgramTimers::QueueTick() {
    if (tickQueued_) {
        return;
    }
    tickQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            tickQueued_ = false;
            Poll();
        },
        Qt::QueuedConnection);
}

void ProgramTimers::Poll() {
    onPoll_();
    if (poll_.isActive() && sleep_ != nullptr && sleep_->AfterTick()) {
        poll_.stop();
    }
}

void ProgramTimers::Save() {
    onSave_();
    Recheck();
}

void ProgramTimers::Wake() {
    if (sleep_ != nullptr && sleep_->JoystickSignal() && program_.PollTimer().Runs()) {
        Follow(program_.PollTimer(), poll_);
        Poll();
    }
}

void ProgramTimers::Recheck() {
    if (sleep_ != nullptr && sleep_->OtherChange()) {
        Follow(program_.PollTimer(), poll_);
    }
}

void ProgramTimers::Follow(const Control& model, QTimer& timer) {
    if (&timer == &poll_ && sleep_ != nullptr) {
        // A new interval or state starts the cadence afresh; the next tick
        // decides whether to sleep again.
        sleep_->Restarted();
    }
    if (model.Runs()) {
        timer.start(static_cast<int>(model.Interval()));
    } else {
        timer.stop();
    }
}

void ProgramTimers::ControlChanged(const Control& control, Property property) {
    if (property != Property::Interval && property != Property::Enabled) {
        return;
    }
    if (&control == &program_.PollTimer()) {
        Follow(control, poll_);
    } else if (&control == &program_.SaveTimer()) {
        Follow(control, save_);
    }
}

void ProgramTimers::FormChanged(const Form& /*form*/, Property property) {
    if (property == Property::Visible || property == Property::Minimised) {
        Recheck();
    }
}

}  // namespace pultara::qt
