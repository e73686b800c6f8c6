#include "program_timers.h"

namespace pultara::qt {

ProgramTimers::ProgramTimers(Program& program) : program_(program) {
    poll_.setTimerType(Qt::PreciseTimer);
    // Qt fires a timer again only after its slot has returned, so a tick that
    // waits in a box would stop the joystick until the box is closed. The
    // timer only queues the tick; the tick runs from the event loop, where a
    // box's own loop goes on firing the timer and running further ticks.
    connect(&poll_, &QTimer::timeout, this, &ProgramTimers::QueueTick);
    connect(&save_, &QTimer::timeout, this, [this] { program_.Timer2Timer(); });
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
            program_.Timer1Timer();
        },
        Qt::QueuedConnection);
}

void ProgramTimers::Follow(const Control& model, QTimer& timer) {
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
        // Woken: the first tick is due now. It is queued like every other,
        // so whatever woke the timer returns first and can go on signalling
        // while that tick waits in a box.
        if (property == Property::Enabled && control.Runs()) {
            QueueTick();
        }
    } else if (&control == &program_.SaveTimer()) {
        Follow(control, save_);
    }
}

}  // namespace pultara::qt
