#pragma once
#include <QWidget>
#include <functional>
#include <map>

#include "control_widgets.h"
#include "ui/form.h"
#include "ui/form_observer.h"

class QGridLayout;
class QKeyEvent;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace pultara::qt {

// The Qt window of one form of the model. It creates the widgets in the
// form's focus order, places them by parent, group, row and column, keeps
// them in step with the model, and tells the model what the user does to
// the window itself (minimise, restore, close).
class FormWindow : public QWidget, private FormObserver {
    Q_OBJECT
public:
    explicit FormWindow(Form& form);
    ~FormWindow() override;

    Form& form() { return form_; }
    QWidget* WidgetOf(const std::string& controlName) const;
    // Runs a nested event loop while the form stays visible (modal windows).
    void WaitWhileVisible();
    // Only a close box in the title bar, fixed to the size of the contents,
    // centred on the screen when first shown. Where the screen is too small
    // for the contents, the window fills the work area and scrolls.
    void UseFixedFrame();
    // Centred over `owner` (or the screen while it is hidden) at every showing.
    void CentreOver(QWidget* owner);

    // What the close box does; without one it hides the form.
    std::function<void()> onCloseBox;

signals:
    void hiddenByModel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QGridLayout* LayoutFor(const Control& control);
    QGridLayout* GroupLayout(int group);
    void Place(Control& control, QWidget* widget);
    void ChainTabOrder();
    void ShowAsModelSays();
    void PlaceCentred();
    void FitToScreen();
    QMargins FrameMargins() const;
    void KeepInside(const QRect& area, const QMargins& frame);
    QPushButton* DefaultButton() const;
    void FocusFirstControl();

    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& form, Property property) override;

    Form& form_;
    QVBoxLayout* frame_ = nullptr;
    QWidget* contents_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QGridLayout* root_ = nullptr;
    std::map<const Control*, QWidget*> widgets_;
    std::map<std::string, QGridLayout*> containers_;
    std::map<int, QGridLayout*> groups_;
    bool applyingModel_ = false;
    bool centreOnShow_ = false;
    bool centreEveryTime_ = false;
    bool fixedFrame_ = false;
    QWidget* owner_ = nullptr;
};

}  // namespace pultara::qt
