#pragma once
#include <QWidget>

#include "ui/control.h"

namespace pultara::qt {

// One Qt widget per control of the form model: created from the control's
// kind and look, fed back to the control when the user acts, and redrawn
// from the control's state when the model reports a change.
class ControlWidgets {
public:
    // A widget for `control`, or null for controls without a face.
    static QWidget* Create(Control& control);
    // Redraws `property` of `control` on its widget.
    static void Sync(Control& control, QWidget* widget, Property property);
    // Redraws every property the model renders at creation.
    static void SyncAll(Control& control, QWidget* widget);
};

}  // namespace pultara::qt
