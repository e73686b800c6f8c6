#include "qt_ports.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>
#include <cstdio>

#include "form_window.h"
#include "qt_text.h"

namespace pultara::qt {

namespace {

// Wide enough that the window manager's title bar shows the whole caption
// (a short text would leave room only for "SendKeys" cut to a dot).
void WidenForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    constexpr int kTitleBarButtonsAndMargins = 160;
    const int width =
        box.fontMetrics().horizontalAdvance(box.windowTitle()) * 3 / 2 + kTitleBarButtonsAndMargins;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// The window of the program the user sees on top: a modal window, else the
// active one, else a shown form; null while every window is hidden.
QWidget* VisibleOwner() {
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal->isVisible()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<FormWindow*>(window) != nullptr && window->isVisible() &&
            !window->isMinimized()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

// A box of a program working in the background (its windows hidden or not
// active) does not take the focus from the window the user controls; it can
// still be clicked, with the mouse or the joystick's pointer.
void QtDialogs::Show(QMessageBox& box) {
    WidenForCaption(box);
    if (QApplication::activeWindow() != nullptr) {
        box.exec();
        return;
    }
    // A modal window would be given the focus by the window manager.
    box.setAttribute(Qt::WA_ShowWithoutActivating);
    box.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    if (ending_) {
        std::fprintf(stderr, "pultara: %s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    // Owned by the window the user sees, the box comes up in front of it.
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        ToQt(caption), ToQt(text), QMessageBox::Ok, VisibleOwner());
    Show(box);
}

void QtDialogs::ShowApplicationError(const std::string& message) {
    if (ending_) {
        std::fprintf(stderr, "pultara: %s\n", message.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pultara"), ToQt(message),
                    QMessageBox::Ok, VisibleOwner());
    Show(box);
}

QtTray::QtTray() {
    icon_.setIcon(ApplicationIcon());
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (!onEvent) {
                    return;
                }
                switch (reason) {
                    case QSystemTrayIcon::Trigger: onEvent(TrayEvent::LeftButtonUp); break;
                    case QSystemTrayIcon::DoubleClick: onEvent(TrayEvent::LeftDoubleClick); break;
                    case QSystemTrayIcon::Context: onEvent(TrayEvent::RightButtonUp); break;
                    default: onEvent(TrayEvent::Other); break;
                }
            });
    wasAvailable_ = IsAvailable();
    watch_.setInterval(2000);
    connect(&watch_, &QTimer::timeout, this, &QtTray::WatchForTrayHost);
    watch_.start();
}

void QtTray::WatchForTrayHost() {
    const bool available = IsAvailable();
    if (available && !wasAvailable_ && onMessage) {
        onMessage(kTrayAppeared);
    }
    wasAvailable_ = available;
}

void QtTray::AddIcon(const TrayIcon& icon) {
    icon_.setToolTip(ToQt(icon.tip));
    icon_.show();
}

void QtTray::RemoveIcon(const TrayIcon&) {
    icon_.hide();
}

// Through the desktop's notification service where one runs, else as
// Qt's own balloon at the icon. The balloon needs the icon docked in the
// panel, which the tray host does a moment after the icon is shown (on a
// busy desktop seconds later): until then the notice waits, a minute at most.
// On Wayland the icon is a StatusNotifierItem, whose place no program learns,
// and the notice always goes to the notification service: it comes at once.
// While it lasts the tray shows the notice's icon in the item's place, so the
// notice carries the program's own (a stock information icon would hide it).
void QtTray::ShowNotice(const TrayIcon&, const std::string& title, const std::string& text) {
    constexpr int kNoticeMs = 15000;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        icon_.showMessage(ToQt(title), ToQt(text), icon_.icon(), kNoticeMs);
        return;
    }
    constexpr int kLookMs = 100;
    constexpr int kLooks = 600;
    auto* look = new QTimer(this);
    look->setInterval(kLookMs);
    connect(look, &QTimer::timeout, this,
            [this, look, looks = 0, title = ToQt(title), text = ToQt(text)]() mutable {
                if (icon_.geometry().isEmpty() && ++looks < kLooks) {
                    return;
                }
                icon_.showMessage(title, text, QSystemTrayIcon::Information, kNoticeMs);
                look->deleteLater();
                look->stop();
            });
    look->start();
}

std::string QtFiles::ExecutableDirectory() {
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString shared = bin.absoluteFilePath(QStringLiteral("../share/pultara"));
    QString folder = bin.absolutePath();
    if (!QFileInfo::exists(bin.absoluteFilePath(QStringLiteral("halvane.rtf"))) &&
        QFileInfo(shared).isDir()) {
        folder = QDir(shared).absolutePath();
    }
    return FromQt(folder) + "/";
}

std::optional<std::string> QtFiles::ReadFile(const std::string& path) {
    QFile file(ToQt(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    return content.toStdString();
}

namespace {

// A Windows filter pattern as Qt reads it: "*.*" is every file there, also
// one without a dot; several patterns are separated by ";" there.
QString NativePatterns(const std::string& windowsPatterns) {
    QStringList patterns = ToQt(windowsPatterns).split(QChar(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern == QStringLiteral("*.*")) {
            pattern = QStringLiteral("*");
        }
    }
    return patterns.join(QChar(' '));
}

}  // namespace

// The filter's description is shown as it stands (it may name its pattern
// itself); Qt reads the pattern from the hidden parentheses at its end.
std::optional<std::string> QtFileDialog::OpenFile(const std::string& initialFile,
                                                  const std::string& filterDescription,
                                                  const std::string& filterPattern) {
    const QString filter =
        ToQt(filterDescription) + QStringLiteral(" (") + NativePatterns(filterPattern) + ")";
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), ToQt(initialFile),
                                     filter, nullptr, QFileDialog::HideNameFilterDetails);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return FromQt(chosen);
}

void QtFormHost::Add(FormWindow& window) {
    windows_[&window.form()] = &window;
}

FormWindow* QtFormHost::WindowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found != windows_.end() ? found->second : nullptr;
}

void QtFormHost::ShowModal(Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        if (form.Visible() && !window->isVisible()) {
            form.startMaximised ? window->showMaximized() : window->show();
        }
        window->WaitWhileVisible();
    }
}

void QtFormHost::BringToFront(Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        window->raise();
        window->activateWindow();
    }
}

void QtFormHost::Quit() {
    QCoreApplication::quit();
}

}  // namespace pultara::qt
