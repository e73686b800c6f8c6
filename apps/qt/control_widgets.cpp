#include "control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBrowser>
#include <algorithm>
#include <limits>
#include <utility>

#include "engine/profile.h"
#include "help_view.h"
#include "qt_text.h"
#include "ui/form.h"

namespace pultara::qt {

namespace {

// What the user does to a widget reaches the model through the form's entry
// guard: an error shows the program's error box and never leaves a Qt slot.
void FromUser(Control& control, const std::function<void()>& entry) {
    control.Owner().RunEntry(entry);
}

// A label that forwards clicks (the title labels toggle the title boxes).
class ClickableLabel : public QLabel {
public:
    ClickableLabel(Control& control) : control_(control) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            control_.Owner().RunEntry([this] { control_.Click(); });
        }
        QLabel::mouseReleaseEvent(event);
    }

private:
    Control& control_;
};

// A caption the user chose (a button name): at most as wide as the widest
// default name; a longer one is cut with "…" where it does not fit and is
// shown whole as the tooltip, so a long name never widens the window.
template <typename Widget>
class ElidedCaption : public Widget {
public:
    template <typename... Arguments>
    explicit ElidedCaption(const Control& control, Arguments&&... arguments)
        : Widget(std::forward<Arguments>(arguments)...), hint_(ToQt(control.look.hint)) {}

    void SetCaption(const QString& caption) {
        full_ = caption;
        Widget::setText(caption);
        const int textWidth = this->fontMetrics().horizontalAdvance(caption);
        chrome_ = Widget::sizeHint().width() - textWidth;
        fullWidth_ = chrome_ + textWidth;
        Elide();
        this->updateGeometry();
    }
    QSize sizeHint() const override {
        QSize size = Widget::sizeHint();
        size.setWidth(std::min(fullWidth_, MostWidth()));
        return size;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        Widget::resizeEvent(event);
        Elide();
    }

private:
    int MostWidth() const {
        const QString widest = ToQt(Profile::DefaultButtonName(kButtonCount));
        return chrome_ + this->fontMetrics().horizontalAdvance(widest);
    }
    void Elide() {
        const QString shown =
            this->fontMetrics().elidedText(full_, Qt::ElideRight, this->width() - chrome_);
        if (shown != Widget::text()) {
            Widget::setText(shown);
        }
        this->setToolTip(shown != full_ ? full_ : hint_);
    }

    QString full_;
    QString hint_;
    int chrome_ = 0;  // indicator and margins beside the text
    int fullWidth_ = 0;
};

// Reports the keyboard focus entering a control (title boxes refill their
// lists then).
class FocusWatcher : public QObject {
public:
    FocusWatcher(Control& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            control_.Owner().RunEntry([this] { control_.Enter(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Control& control_;
};

QColor ColourOf(ColourRole role, const QPalette& palette) {
    switch (role) {
        case ColourRole::Navy: return QColor(0x00, 0x00, 0x80);
        case ColourRole::Grey: return QColor(0x80, 0x80, 0x80);
        case ColourRole::White:
        case ColourRole::Window: return QColor(Qt::white);
        case ColourRole::ButtonFace: return palette.color(QPalette::Button);
        case ColourRole::Default: break;
    }
    return {};
}

// Labels show their colour as text colour, fields as background.
void ApplyColour(const Control& control, QWidget* widget) {
    QPalette palette =
        widget->parentWidget() != nullptr ? widget->parentWidget()->palette() : QPalette();
    const QColor colour = ColourOf(control.Colour(), palette);
    if (colour.isValid()) {
        const bool label = control.Kind() == ControlKind::Label;
        palette.setColor(label ? QPalette::WindowText : QPalette::Base, colour);
    }
    widget->setPalette(palette);
}

void SetItems(QComboBox* box, const Control& control) {
    const QSignalBlocker block(box);
    box->clear();
    for (const std::string& item : control.Items()) {
        box->addItem(ToQt(item));
    }
    for (int index = 0; index < box->count(); ++index) {
        box->setItemData(index, box->itemText(index), Qt::ToolTipRole);
    }
    box->setCurrentIndex(control.ItemIndex());
    if (box->isEditable()) {
        box->setEditText(ToQt(control.Text()));
    }
}

// Texts have no length limit (a QLineEdit cuts them at 32767 by default).
constexpr int kUnlimitedText = std::numeric_limits<int>::max();

QWidget* CreateEdit(Control& control) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(kUnlimitedText);
    QObject::connect(edit, &QLineEdit::textEdited, [&control](const QString& text) {
        FromUser(control, [&] { control.SetText(FromQt(text)); });
    });
    return edit;
}

QWidget* CreateComboBox(Control& control, bool editable) {
    auto* box = new QComboBox;
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    if (control.look.dropDownRows > 0) {
        box->setMaxVisibleItems(control.look.dropDownRows);
    }
    QObject::connect(box, &QComboBox::activated, [&control](int index) {
        FromUser(control, [&] { control.SetItemIndex(index); });
    });
    if (editable) {
        box->lineEdit()->setMaxLength(kUnlimitedText);
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [&control](const QString& text) {
            FromUser(control, [&] { control.SetText(FromQt(text)); });
        });
    }
    box->installEventFilter(new FocusWatcher(control, box));
    return box;
}

QWidget* CreateCheckBox(Control& control) {
    auto* box = control.look.elide ? new ElidedCaption<QCheckBox>(control) : new QCheckBox;
    QObject::connect(box, &QCheckBox::clicked, [&control, box] {
        FromUser(control, [&] { control.Click(); });
        const QSignalBlocker block(box);
        box->setChecked(control.Checked());  // the model decides
    });
    return box;
}

QWidget* CreateButton(Control& control) {
    auto* button = new QPushButton;
    button->setDefault(control.look.defaultButton);
    button->setAutoDefault(control.look.defaultButton);
    QObject::connect(button, &QPushButton::clicked,
                     [&control] { FromUser(control, [&] { control.Click(); }); });
    return button;
}

QWidget* CreateLabel(Control& control) {
    QLabel* label = control.look.elide ? new ElidedCaption<ClickableLabel>(control, control)
                                       : new ClickableLabel(control);
    label->setWordWrap(control.look.wordWrap);
    if (control.look.handCursor) {
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

QWidget* CreatePages(Control& control) {
    auto* pages = new QTabWidget;
    // A long description neither widens the window nor hides the other tabs.
    pages->setElideMode(Qt::ElideRight);
    pages->setUsesScrollButtons(true);
    QObject::connect(pages, &QTabWidget::currentChanged, [&control, pages](int index) {
        if (!pages->signalsBlocked()) {
            FromUser(control, [&] { control.SetItemIndex(index); });
        }
    });
    return pages;
}

QWidget* CreateContainer(const Control& control) {
    auto* frame = new QFrame;
    if (control.look.lowered) {
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
    }
    new QGridLayout(frame);
    return frame;
}

QWidget* CreateFace(Control& control) {
    switch (control.Kind()) {
        case ControlKind::Label: return CreateLabel(control);
        case ControlKind::Edit: return CreateEdit(control);
        case ControlKind::DropDownList: return CreateComboBox(control, false);
        case ControlKind::EditableComboBox: return CreateComboBox(control, true);
        case ControlKind::CheckBox: return CreateCheckBox(control);
        case ControlKind::ProgressBar: {
            auto* bar = new QProgressBar;
            bar->setTextVisible(false);
            bar->setRange(control.look.minimum, control.look.maximum);
            return bar;
        }
        case ControlKind::Button: return CreateButton(control);
        case ControlKind::PageControl: return CreatePages(control);
        case ControlKind::TabPage:
        case ControlKind::Panel: return CreateContainer(control);
        case ControlKind::Image: {
            auto* image = new QLabel;
            image->setPixmap(ApplicationIcon().pixmap(48, 48));
            return image;
        }
        case ControlKind::RichEdit: {
            auto* view = new QTextBrowser;
            view->setOpenExternalLinks(true);
            return view;
        }
        case ControlKind::Timer:
        case ControlKind::OpenDialog: return nullptr;
    }
    return nullptr;
}

void SyncCaption(Control& control, QWidget* widget) {
    const QString caption = ToQt(control.Caption());
    if (control.look.elide) {
        if (auto* box = dynamic_cast<ElidedCaption<QCheckBox>*>(widget)) {
            box->SetCaption(caption);
        } else if (auto* label = dynamic_cast<ElidedCaption<ClickableLabel>*>(widget)) {
            label->SetCaption(caption);
        }
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && control.Kind() == ControlKind::Label) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (control.Kind() == ControlKind::TabPage && widget->parentWidget() != nullptr) {
        // A page sits in the tab widget's stack; its tab shows the caption.
        for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
                tabs->setTabText(tabs->indexOf(widget), caption);
                tabs->setTabToolTip(tabs->indexOf(widget), caption);
                break;
            }
        }
    }
}

void SyncText(Control& control, QWidget* widget) {
    const QString text = ToQt(control.Text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) {
            edit->setText(text);
        }
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        const QSignalBlocker block(box);
        if (box->isEditable() && box->currentText() != text) {
            box->setEditText(text);
        }
    } else if (auto* view = qobject_cast<QTextBrowser*>(widget)) {
        ShowHelpText(*view, control.Text(), control.Owner().ShowsRichText(control));
    }
}

void SyncSelection(Control& control, QWidget* widget) {
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(control.ItemIndex());
        if (box->isEditable()) {
            box->setEditText(ToQt(control.Text()));
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        const QSignalBlocker block(tabs);
        if (control.ItemIndex() >= 0 && control.ItemIndex() < tabs->count()) {
            tabs->setCurrentIndex(control.ItemIndex());
        }
    }
}

}  // namespace

QWidget* ControlWidgets::Create(Control& control) {
    if (!control.HasFace()) {
        return nullptr;
    }
    QWidget* widget = CreateFace(control);
    if (widget == nullptr) {
        return nullptr;
    }
    widget->setObjectName(ToQt(control.Name()));
    QFont font = widget->font();
    font.setBold(control.look.bold);
    font.setUnderline(control.look.underline);
    widget->setFont(font);
    if (!control.look.hint.empty()) {
        widget->setToolTip(ToQt(control.look.hint));
    }
    return widget;
}

void ControlWidgets::Sync(Control& control, QWidget* widget, Property property) {
    switch (property) {
        case Property::Caption: SyncCaption(control, widget); break;
        case Property::Text: SyncText(control, widget); break;
        case Property::Checked:
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const QSignalBlocker block(box);
                box->setChecked(control.Checked());
            }
            break;
        case Property::Enabled: widget->setEnabled(control.Enabled()); break;
        case Property::Visible:
            if (control.Kind() != ControlKind::TabPage) {
                widget->setVisible(control.Visible());
            }
            break;
        case Property::Colour: ApplyColour(control, widget); break;
        case Property::Items:
            if (auto* box = qobject_cast<QComboBox*>(widget)) {
                SetItems(box, control);
            }
            break;
        case Property::ItemIndex: SyncSelection(control, widget); break;
        case Property::Position:
            if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
                bar->setValue(control.Position());
            }
            break;
        case Property::Interval:
        case Property::Minimised: break;
    }
}

void ControlWidgets::SyncAll(Control& control, QWidget* widget) {
    for (Property property : kRenderedProperties) {
        Sync(control, widget, property);
    }
}

}  // namespace pultara::qt
