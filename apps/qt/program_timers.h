#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/form_observer.h"
#include "ui/poll_sleep.h"
#include "ui/program.h"

namespace pultara::qt {

// Runs the program's poll and save timers as the model describes them: each
// runs while Runs() and restarts when its interval changes. The poll timer
// is a precise timer (Qt's coarse timers may be 5 % late) and keeps ticking
// while a box opened by a tick waits for the user. With a PollSleep it
// sleeps while the program is at rest, until the joystick signals (Wake) or
// a change of the window or a settings cycle finds the program no longer at
// rest.
class ProgramTimers : public QObject, private FormObserver {
public:
    ProgramTimers(Program& program, std::function<void()> onPoll, std::function<void()> onSave);
    ~ProgramTimers() override;

    // Without one the poll timer never sleeps.
    void UseSleep(PollSleep& sleep) { sleep_ = &sleep; }
    // The joystick may have changed: a sleeping poll timer runs a tick at
    // once and restarts its cadence from now.
    void Wake();

private:
    void QueueTick();
    void Poll();
    void Save();
    // A sleeping poll timer starts again when the program is no longer at
    // rest (the window shown, the settings read again).
    void Recheck();
    void Follow(const Control& model, QTimer& timer);
    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& form, Property property) override;

    Program& program_;
    std::function<void()> onPoll_;
    std::function<void()> onSave_;
    QTimer poll_;
    QTimer save_;
    bool tickQueued_ = false;
    PollSleep* sleep_ = nullptr;
};

}  // namespace pultara::qt
