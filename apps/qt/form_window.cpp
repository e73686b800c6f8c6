#include "form_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "qt_text.h"

namespace pultara::qt {

namespace {

// Where the main window's groups sit: the live display and the global
// settings on the left, the mode pages on the right, notes and commands
// below. {row, column, row span, column span}.
struct GroupCell {
    int row, column, rowSpan, columnSpan;
};
GroupCell CellOfGroup(int group) {
    switch (group) {
        case 1: return {0, 0, 1, 1};   // status and axes
        case 2: return {1, 0, 1, 1};   // global mouse buttons
        case 3: return {2, 0, 1, 1};   // button boxes
        case 4: return {3, 0, 1, 1};   // focus flags
        case 5: return {0, 1, 4, 1};   // mode pages
        case 6: return {4, 0, 1, 2};   // notes
        default: return {5, 0, 1, 2};  // command buttons
    }
}

}  // namespace

FormWindow::FormWindow(Form& form) : form_(form) {
    setWindowTitle(ToQt(form.Caption()));
    setWindowIcon(ApplicationIcon());
    setObjectName(ToQt(form.Name()));
    // The controls sit on a page of their own, which a window larger than
    // the screen puts into a scroll area (UseFixedFrame).
    frame_ = new QVBoxLayout(this);
    frame_->setContentsMargins(0, 0, 0, 0);
    contents_ = new QWidget;
    frame_->addWidget(contents_);
    root_ = new QGridLayout(contents_);
    Build();
    form_.AddObserver(this);
    if (!form_.autoSize) {
        resize(720, 560);
    }
}

FormWindow::~FormWindow() {
    form_.RemoveObserver(this);
}

void FormWindow::Build() {
    for (const std::unique_ptr<Control>& owned : form_.Controls()) {
        Control& control = *owned;
        QWidget* widget = ControlWidgets::Create(control);
        if (widget == nullptr) {
            continue;
        }
        widgets_[&control] = widget;
        if (auto* container =
                widget->layout() ? qobject_cast<QGridLayout*>(widget->layout()) : nullptr) {
            containers_[control.Name()] = container;
        }
        Place(control, widget);
        ControlWidgets::SyncAll(control, widget);
    }
    ChainTabOrder();
}

void FormWindow::Place(Control& control, QWidget* widget) {
    const Placement& where = control.Where();
    if (control.Kind() == ControlKind::TabPage) {
        const Control* parent = form_.Find(where.parent);
        QWidget* tabs = parent != nullptr ? widgets_[parent] : nullptr;
        if (auto* tabWidget = qobject_cast<QTabWidget*>(tabs)) {
            tabWidget->insertTab(where.column, widget, ToQt(control.Caption()));
            return;
        }
    }
    QGridLayout* layout = LayoutFor(control);
    // Push buttons keep their own width, as in a Windows form.
    const Qt::Alignment alignment =
        control.Kind() == ControlKind::Button ? Qt::AlignCenter : Qt::Alignment();
    layout->addWidget(widget, where.row, where.column, alignment);
}

QGridLayout* FormWindow::LayoutFor(const Control& control) {
    const Placement& where = control.Where();
    if (where.parent != form_.Name()) {
        const auto found = containers_.find(where.parent);
        if (found != containers_.end()) {
            return found->second;
        }
    }
    return where.group > 0 ? GroupLayout(where.group) : root_;
}

QGridLayout* FormWindow::GroupLayout(int group) {
    if (const auto found = groups_.find(group); found != groups_.end()) {
        return found->second;
    }
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setObjectName(QString("Group%1").arg(group));
    auto* layout = new QGridLayout(frame);
    const GroupCell cell = CellOfGroup(group);
    root_->addWidget(frame, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    groups_[group] = layout;
    return layout;
}

void FormWindow::ChainTabOrder() {
    QWidget* previous = nullptr;
    for (const std::unique_ptr<Control>& control : form_.Controls()) {
        const auto found = widgets_.find(control.get());
        if (found == widgets_.end() || found->second->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, found->second);
        }
        previous = found->second;
    }
}

QWidget* FormWindow::WidgetOf(const std::string& controlName) const {
    const Control* control = form_.Find(controlName);
    const auto found = control != nullptr ? widgets_.find(control) : widgets_.end();
    return found != widgets_.end() ? found->second : nullptr;
}

void FormWindow::WaitWhileVisible() {
    if (!form_.Visible()) {
        return;
    }
    QEventLoop loop;
    connect(this, &FormWindow::hiddenByModel, &loop, &QEventLoop::quit);
    loop.exec();
}

void FormWindow::ControlChanged(const Control& control, Property property) {
    const auto found = widgets_.find(&control);
    if (found != widgets_.end()) {
        ControlWidgets::Sync(const_cast<Control&>(control), found->second, property);
    }
}

void FormWindow::FormChanged(const Form&, Property property) {
    if (property == Property::Caption) {
        setWindowTitle(ToQt(form_.Caption()));
        return;
    }
    ShowAsModelSays();
    if (property == Property::Visible && form_.Visible()) {
        FocusFirstControl();
    }
    if (property == Property::Visible && !form_.Visible()) {
        emit hiddenByModel();
    }
}

// A window opens with the keyboard focus where the model says.
void FormWindow::FocusFirstControl() {
    const Control* control = form_.FocusControl();
    if (QWidget* widget = control != nullptr ? WidgetOf(control->Name()) : nullptr) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void FormWindow::UseFixedFrame() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    frame_->removeWidget(contents_);
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("Contents"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(contents_);
    frame_->addWidget(scroll_);
    contents_->installEventFilter(this);  // its size follows the captions
    centreOnShow_ = true;
    fixedFrame_ = true;
}

// The size of the contents where the screen's work area (less the window
// manager's frame) has room for it; otherwise as much as there is room
// for, and the rest is reached with the scroll bars.
void FormWindow::FitToScreen() {
    if (!fixedFrame_) {
        return;
    }
    const QSize wanted = contents_->sizeHint().expandedTo(contents_->layout()->totalMinimumSize());
    const QRect area = screen()->availableGeometry();
    const QMargins frame = FrameMargins();
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    // The contents keep the width they ask for; the notes wrap at it.
    QSize size(std::min(wanted.width(), room.width()), 0);
    const int contentsWidth = wanted.width();
    contents_->setMinimumWidth(contentsWidth);  // the fields keep their width
    size.rheight() = contents_->hasHeightForWidth()
                         ? std::max(wanted.height(), contents_->heightForWidth(contentsWidth))
                         : wanted.height();
    const bool across = contentsWidth > size.width();
    if (across) {
        size.rheight() += bar;  // the horizontal scroll bar
    }
    const bool down = size.height() > room.height();
    if (down) {
        size.rheight() = room.height();
        size.rwidth() = std::min(size.width() + bar, room.width());
    }
    // Contents that fit show no scroll bar, also not for the moment in
    // which a bar would narrow them so that the notes wrap to more lines.
    scroll_->setHorizontalScrollBarPolicy(across || down ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(down || across ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
    setFixedSize(size);
    if (isVisible()) {
        KeepInside(area, frame);
    }
}

// The window manager's frame around the window: as it told after the first
// showing, else the size of a common title bar and border.
QMargins FormWindow::FrameMargins() const {
    const QMargins told = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    return told.isNull() ? QMargins(4, 32, 4, 8) : told;
}

// Moves a grown window back into the work area, frame and all.
void FormWindow::KeepInside(const QRect& area, const QMargins& frame) {
    QRect inside = geometry();
    inside.moveRight(std::min(inside.right(), area.right() - frame.right()));
    inside.moveBottom(std::min(inside.bottom(), area.bottom() - frame.bottom()));
    inside.moveLeft(std::max(inside.left(), area.left() + frame.left()));
    inside.moveTop(std::max(inside.top(), area.top() + frame.top()));
    if (inside.topLeft() != geometry().topLeft()) {
        setGeometry(inside);
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == contents_ && event->type() == QEvent::LayoutRequest) {
        FitToScreen();
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::CentreOver(QWidget* owner) {
    owner_ = owner;
    centreOnShow_ = centreEveryTime_ = true;
}

void FormWindow::PlaceCentred() {
    if (!centreOnShow_) {
        return;
    }
    centreOnShow_ = centreEveryTime_;
    // The size the window will have: styled and laid out, not yet shown.
    ensurePolished();
    root_->activate();
    adjustSize();
    FitToScreen();
    const QRect area = owner_ != nullptr && owner_->isVisible() && !owner_->isMinimized()
                           ? owner_->frameGeometry()
                           : screen()->availableGeometry();
    // Placing the inside of the window (not its frame, whose size the window
    // manager has not told yet) keeps the place the same on every later show;
    // the frame's title bar stays on the screen.
    QRect inside(area.center() - QPoint(width() / 2, height() / 2), size());
    const QRect screenArea = screen()->availableGeometry();
    const QMargins frame = FrameMargins();
    inside.moveLeft(std::max(inside.left(), screenArea.left() + frame.left()));
    inside.moveTop(std::max(inside.top(), screenArea.top() + frame.top()));
    setGeometry(inside);
}

void FormWindow::ShowAsModelSays() {
    applyingModel_ = true;
    if (form_.Visible() && !isVisible()) {
        PlaceCentred();
    }
    if (!form_.Visible()) {
        hide();
    } else if (form_.Minimised()) {
        showMinimized();
    } else if (form_.startMaximised) {
        showMaximized();
    } else {
        showNormal();
    }
    applyingModel_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // the model decides whether the window goes
    form_.RunEntry([this] {
        if (onCloseBox) {
            onCloseBox();
        } else {
            form_.SetVisible(false);
        }
    });
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && !applyingModel_ && isVisible()) {
        form_.RunEntry([this] { form_.SetMinimised(isMinimized()); });
    }
    QWidget::changeEvent(event);
}

// Enter does what it does in a Windows form: it presses the focused push
// button, or else the form's default button. The widgets that use Enter
// themselves (a multi-line text, an open list) never pass it on to here.
// Escape does what the form says (a dialog closes or cancels).
void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() == Qt::Key_Escape && plain) {
        form_.RunEntry([this] { form_.PressEscape(); });
        return;
    }
    if (!enter || !plain) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
    if (button == nullptr) {
        button = DefaultButton();
    }
    if (button != nullptr && button->isVisible() && button->isEnabled()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPushButton* FormWindow::DefaultButton() const {
    const Control* button = form_.DefaultButton();
    return button != nullptr ? qobject_cast<QPushButton*>(WidgetOf(button->Name())) : nullptr;
}

}  // namespace pultara::qt
