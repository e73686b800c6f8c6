#pragma once
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <map>

#include "ports/dialogs.h"
#include "ports/file_dialog.h"
#include "ports/files.h"
#include "ports/tray.h"
#include "ui/form_host.h"

class QMessageBox;

namespace pultara::qt {

class FormWindow;

// Message boxes; both run a nested event loop in which the timers go on.
// Once the session is ending (log-out, shutdown) nobody is there to answer a
// box: messages then go to standard error and the program ends at once.
class QtDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    void ShowApplicationError(const std::string& message) override;
    void SessionEnding() { ending_ = true; }

private:
    static void Show(QMessageBox& box);
    bool ending_ = false;
};

// The tray icon through QSystemTrayIcon. A left click reaches the program as
// a left-button-up. Where no tray host runs, the icon waits; a tray host
// that appears later is announced like Windows' "TaskbarCreated".
class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    static constexpr std::uint32_t kTrayAppeared = 0xC0DE;

    QtTray();
    bool IsAvailable() override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void AddIcon(const TrayIcon& icon) override;
    void RemoveIcon(const TrayIcon& icon) override;
    std::uint32_t RegisterTaskbarCreatedMessage() override { return kTrayAppeared; }
    void ShowNotice(const TrayIcon& icon, const std::string& title,
                    const std::string& text) override;

    std::function<void(TrayEvent)> onEvent;
    std::function<void(std::uint32_t message)> onMessage;

private:
    void WatchForTrayHost();

    QSystemTrayIcon icon_;
    QTimer watch_;
    bool wasAvailable_ = false;
};

// The help file: beside the executable, or in the installed data folder
// (share/pultara next to bin/).
class QtFiles : public Files {
public:
    std::string ExecutableDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
};

class QtFileDialog : public FileDialog {
public:
    std::optional<std::string> OpenFile(const std::string& initialFile,
                                        const std::string& filterDescription,
                                        const std::string& filterPattern) override;
};

// Modal showing, bringing forward and quitting, on the forms' windows.
class QtFormHost : public FormHost {
public:
    void Add(FormWindow& window);
    void ShowModal(Form& form) override;
    void BringToFront(Form& form) override;
    void Quit() override;

private:
    FormWindow* WindowOf(const Form& form) const;
    std::map<const Form*, FormWindow*> windows_;
};

}  // namespace pultara::qt
