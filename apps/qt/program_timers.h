#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/form.h"
#include "ui/form_observer.h"

namespace pultara::qt {

// Runs the main window's two timers as the model describes them: each runs
// while enabled with a non-zero interval and restarts when its interval
// changes. The poll timer is a precise timer (Qt's coarse timers may be 5 %
// late).
class ProgramTimers : public QObject, private FormObserver {
public:
    ProgramTimers(Form& mainForm, std::function<void()> onPoll, std::function<void()> onSave);
    ~ProgramTimers() override;

private:
    void Follow(const Control& control);
    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form&, Property) override {}

    Form& form_;
    QTimer poll_;
    QTimer save_;
};

}  // namespace pultara::qt
