#pragma once
#include <QObject>
#include <QTimer>

#include "ui/form_observer.h"
#include "ui/program.h"

namespace pultara::qt {

// Runs the program's poll and save timers as the model describes them: each
// runs while Runs() and restarts when its interval changes, and a poll timer
// that runs again after the program let it sleep ticks at once. Expiries go
// to the program. The poll timer is a precise timer (Qt's coarse timers may
// be 5 % late) and keeps ticking while a box opened by a tick waits for the
// user.
class ProgramTimers : public QObject, private FormObserver {
public:
    explicit ProgramTimers(Program& program);
    ~ProgramTimers() override;

private:
    void QueueTick();
    void Follow(const Control& model, QTimer& timer);
    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& /*form*/, Property /*property*/) override {}

    Program& program_;
    QTimer poll_;
    QTimer save_;
    bool tickQueued_ = false;
};

}  // namespace pultara::qt
