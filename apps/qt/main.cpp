// pultara: the Qt 6 front end on Linux. It renders the core's form model,
// drives the poll and save timers, keeps the tray icon and shows the boxes;
// every rule of the program is in the core.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "actions/mode_commands.h"
#include "axis/axis_outputs.h"
#include "demo_joystick.h"
#include "form_window.h"
#include "platform/filestore/file_access.h"
#include "platform/filestore/file_value_store.h"
#include "platform/linux/linux_platform.h"
#include "program_timers.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "store_jobs.h"
#include "termination_signals.h"
#include "ui/program.h"

namespace pultara::qt {

namespace {

constexpr const char* kWaylandNotice =
    "Pultara läuft in einer Wayland-Sitzung. Tastendrücke und Mausklicks erreichen dort nur "
    "X11-Programme (XWayland), keine Wayland-Programme.";

// The demo joystick from --demo-joystick, or null; exits on a bad script.
std::unique_ptr<DemoJoystick> DemoFromOptions(const QCommandLineParser& options) {
    if (!options.isSet("demo-joystick")) {
        return nullptr;
    }
    const QString path = options.value("demo-joystick");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pultara: cannot read joystick script %s\n", qUtf8Printable(path));
        std::exit(2);
    }
    std::optional<ScriptError> error;
    std::vector<ScriptStep> steps = ReadJoystickScript(file.readAll().toStdString(), error);
    if (error) {
        std::fprintf(stderr, "pultara: %s:%d: %s\n", qUtf8Printable(path), error->line,
                     error->message.c_str());
        std::exit(2);
    }
    auto demo = std::make_unique<DemoJoystick>(std::move(steps));
    if (!demo->Attached()) {
        std::fprintf(stderr, "pultara: SDL could not attach a virtual joystick\n");
        std::exit(1);
    }
    return demo;
}

void TellAboutWaylandOnce(QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Pultara"),
                                QString::fromUtf8(kWaylandNotice), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

int Run(QApplication& app, const QCommandLineParser& options) {
    std::unique_ptr<DemoJoystick> demo = DemoFromOptions(options);

    linux_x11::LinuxPlatform linux;
    QtDialogs dialogs;
    filestore::FileValueStore store(filestore::DefaultSettingsFile(), &dialogs);
    const Platform platform{linux.joystick,  linux.keyboard, linux.mouse, linux.desktop,
                            linux.processes, linux.mixer,    store,       dialogs};

    Profile profile;
    EngineState state;
    KeySender keys(linux.keyboard, dialogs);
    WindowFocus focus(linux.desktop);
    ModeCommands commands(profile, state, focus, keys, linux.mouse, linux.processes);
    AxisOutputs axes(profile, state, platform);
    SettingsStore settingsStore(profile, store, dialogs);
    NamesStore namesStore(profile, store, dialogs);
    StoreJobs jobs(settingsStore, namesStore);

    QtTray tray;
    QtFiles files;
    QtFileDialog fileDialog;
    QtFormHost host;
    Program program(profile, state, platform, FrontEndPorts{tray, files, fileDialog, host},
                    ProgramOperations{commands, axes, jobs, jobs});

    FormWindow mainWindow(program.Main());
    FormWindow helpWindow(program.Help(), [&program](const Control& control) {
        return &control == &program.Help().View() &&
               program.Help().Format() == TextFormat::RichText;
    });
    FormWindow infoWindow(program.Info());
    FormWindow renameWindow(program.Rename());
    for (FormWindow* window : {&mainWindow, &helpWindow, &infoWindow, &renameWindow}) {
        host.Add(*window);
        if (window != &mainWindow) {
            window->setWindowModality(Qt::ApplicationModal);
        }
    }
    mainWindow.onCloseBox = [&program] { program.CloseMainWindow(); };
    tray.onEvent = [&program](TrayEvent event) { program.TrayCallback(event); };
    tray.onMessage = [&program](std::uint32_t message) { program.WindowMessage(message); };
    ProgramTimers timers(
        program.Main(),
        [&] {
            if (demo) {
                demo->NextTick();
            }
            program.Timer1Timer();
        },
        [&program] { program.Timer2Timer(); });

    const TerminationSignals endOfSession([&program] { program.CloseMainWindow(); });
    program.Start();
    if (linux_x11::IsWaylandSession()) {
        TellAboutWaylandOnce(&mainWindow);
    }
    const int result = program.Closed() ? 0 : app.exec();
    linux.keyboard.ReleaseAllKeys();
    return result;
}

}  // namespace

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/pultara.svg"));
}

}  // namespace pultara::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pultara"));
    QApplication::setApplicationVersion(QStringLiteral(PULTARA_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(pultara::qt::ApplicationIcon());

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Pultara: a joystick as remote control for the desktop."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(QCommandLineOption(
        QStringLiteral("demo-joystick"),
        QStringLiteral("Attach a virtual joystick that plays SCRIPT (one line per poll tick: "
                       "X Y Z BUTTONS [xCOUNT]), to try the program without hardware."),
        QStringLiteral("SCRIPT")));
    options.process(app);
    return pultara::qt::Run(app, options);
}
