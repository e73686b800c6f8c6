#include "qt_ports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "form_window.h"
#include "qt_text.h"

namespace pultara::qt {

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        ToQt(caption), ToQt(text), QMessageBox::Ok);
    box.exec();
}

void QtDialogs::ShowApplicationError(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pultara"), ToQt(message),
                    QMessageBox::Ok);
    box.exec();
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

std::optional<std::string> QtFileDialog::OpenFile(const std::string& initialFile,
                                                  const std::string& filterDescription,
                                                  const std::string& filterPattern) {
    const QString filter = ToQt(filterDescription) + " (" + ToQt(filterPattern) + ")";
    const QString chosen =
        QFileDialog::getOpenFileName(nullptr, QString(), ToQt(initialFile), filter);
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
