#pragma once
#include <QWidget>
#include <functional>

#include "ui/control.h"

namespace pultara::qt {

// One Qt widget per control of the form model: created from the control's
// kind and look, fed back to the control when the user acts, and redrawn
// from the control's state when the model reports a change.
class ControlWidgets {
public:
    // Tells whether a rich-text control's text is RTF (the help view).
    using RichTextTest = std::function<bool(const Control&)>;

    // A widget for `control`, or null for controls without a face (timers,
    // the open dialog).
    static QWidget* Create(Control& control, const RichTextTest& isRichText);
    // Redraws `property` of `control` on its widget.
    static void Sync(Control& control, QWidget* widget, Property property,
                     const RichTextTest& isRichText);
    // Redraws everything.
    static void SyncAll(Control& control, QWidget* widget, const RichTextTest& isRichText);
};

}  // namespace pultara::qt
