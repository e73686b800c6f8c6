// pultara: the Qt 6 front end on Linux. It renders the core's form model,
// drives the poll and save timers, keeps the tray icon and shows the boxes;
// every rule of the program is in the core.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <initializer_list>
#include <memory>

#include "demo_joystick.h"
#include "form_window.h"
#include "joystick_wake.h"
#include "platform/filestore/file_access.h"
#include "platform/filestore/file_value_store.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/session_ports.h"
#include "program_timers.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "single_instance.h"
#include "startup.h"
#include "termination_signals.h"
#include "ui/application.h"
#include "ui/control_lookup.h"
#include "version.h"

namespace pultara::qt {

namespace {

constexpr int kDemoStepMs = 10;

// The demo joystick from --demo-joystick, or null; exits on a bad script.
// The script's steps go to `script` for the check of its control names.
std::unique_ptr<DemoJoystick> DemoFromOptions(const QCommandLineParser& options,
                                              std::vector<ScriptStep>& script) {
    if (!options.isSet("demo-joystick")) {
        return nullptr;
    }
    const QString path = options.value("demo-joystick");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pultara: cannot read joystick script %s\n", qUtf8Printable(path));
        std::exit(2);
    }
    std::vector<ScriptStep> steps;
    try {
        steps = ReadJoystickScript(file.readAll().toStdString());
    } catch (const ScriptError& error) {
        std::fprintf(stderr, "pultara: %s:%d: %s\n", qUtf8Printable(path), error.Line(),
                     error.what());
        std::exit(2);
    }
    script = steps;
    auto demo = std::make_unique<DemoJoystick>(std::move(steps));
    if (!demo->Attached()) {
        std::fprintf(stderr, "pultara: SDL could not attach a virtual joystick\n");
        std::exit(1);
    }
    return demo;
}

void TellAboutSessionOnce(QWidget* parent, const std::string& notice) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Pultara"),
                                QString::fromStdString(notice), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

// The main window keeps a fixed frame; the dialogs are modal and open
// centred over it. The host shows and hides all four for the model.
void ArrangeWindows(QtFormHost& host, FormWindow& mainWindow,
                    std::initializer_list<FormWindow*> dialogs) {
    mainWindow.UseFixedFrame();
    host.Add(mainWindow);
    for (FormWindow* dialog : dialogs) {
        host.Add(*dialog);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->CentreOver(&mainWindow);
    }
}

// The demo joystick plays its script on its own clock, one step per 10 ms,
// and wakes a sleeping program when its reading changes.
void PlayDemo(QTimer& demoClock, DemoJoystick& demo, JoystickWake& wake) {
    wake.SetDemoAttached(true);
    demoClock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&demoClock, &QTimer::timeout, [&demoClock, &demo, &wake] {
        if (demo.NextTick()) {
            wake.Poke();
        }
        if (demo.Finished()) {
            demoClock.stop();
        }
    });
    demoClock.start(kDemoStepMs);
}

// Whether every control the demo script names exists, as pultara-sim
// checks it; else says which does not.
bool DemoNamesExist(const std::vector<ScriptStep>& script, Program& program, const QString& path) {
    try {
        CheckControlNames(script, [&program](const std::string& name) {
            return FindControl(program, name) != nullptr;
        });
    } catch (const ScriptError& error) {
        std::fprintf(stderr, "pultara: %s:%d: %s\n", qUtf8Printable(path), error.Line(),
                     error.what());
        return false;
    }
    return true;
}

int Run(QApplication& app, const QCommandLineParser& options, SingleInstance& instance) {
    std::vector<ScriptStep> script;
    std::unique_ptr<DemoJoystick> demo = DemoFromOptions(options, script);

    linux_x11::LinuxPlatform linux;
    linux_session::SessionPorts session(linux);
    QtDialogs dialogs;
    filestore::FileValueStore store(filestore::DefaultSettingsFile(), &dialogs);
    const Platform platform{linux.joystick,  session.keyboard(), session.mouse(), session.desktop(),
                            linux.processes, linux.mixer,        store,           dialogs,
                            linux.clock};

    QtTray tray;
    QtFiles files;
    QtFileDialog fileDialog;
    QtFormHost host;
    Application application(platform, FrontEndPorts{tray, files, fileDialog, host});
    Program& program = application.program();
    if (demo && !DemoNamesExist(script, program, options.value("demo-joystick"))) {
        return 2;
    }

    FormWindow mainWindow(program.Main());
    FormWindow helpWindow(program.Help());
    FormWindow infoWindow(program.Info());
    FormWindow renameWindow(program.Rename());
    ArrangeWindows(host, mainWindow, {&helpWindow, &infoWindow, &renameWindow});
    mainWindow.onCloseBox = [&program] { program.CloseMainWindow(); };
    tray.onEvent = [&program](TrayEvent event) { program.TrayCallback(event); };
    tray.onMessage = [&program](std::uint32_t message) { program.WindowMessage(message); };
    instance.Listen([&program] { program.ShowSettings(); });
    JoystickWake wake(
        linux.joystick, [&program] { program.JoystickSignalled(); },
        [&program] { program.DeviceCameOrWent(); });
    program.UseJoystickSignals(&wake);
    ProgramTimers timers(program);
    QTimer demoClock;
    if (demo) {
        PlayDemo(demoClock, *demo, wake);
    }

    const TerminationSignals endOfSession([&program, &dialogs] {
        dialogs.SessionEnding();
        program.CloseMainWindow();
    });
    program.Start();
    if (!session.Notice().empty()) {
        TellAboutSessionOnce(&mainWindow, session.Notice());
    }
    const int result = program.Closed() ? 0 : app.exec();
    session.ReleaseAllKeys();
    return result;
}

}  // namespace

// PNG in every size a tray, a title bar or a task switcher asks for: Qt reads
// PNG itself, where SVG would need an image plugin that may not be installed.
QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/pultara-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace pultara::qt

int main(int argc, char** argv) {
    QApplication::setApplicationName(QStringLiteral("Pultara"));
    QApplication::setApplicationVersion(QStringLiteral(PULTARA_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Pultara: a joystick as remote control for the desktop."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(QCommandLineOption(
        QStringLiteral("demo-joystick"),
        QStringLiteral("Attach a virtual joystick that plays SCRIPT (one line per 10 ms step: "
                       "X Y Z BUTTONS [xCOUNT]), to try the program without hardware."),
        QStringLiteral("SCRIPT")));
    pultara::qt::AnswerCommandLine(argc, argv, options);
    if (!options.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "pultara: unexpected argument %s (see pultara --help)\n",
                     qUtf8Printable(options.positionalArguments().first()));
        return 2;
    }
    pultara::qt::DisplayGuard displayGuard;
    QApplication app(argc, argv);
    displayGuard.Opened();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(pultara::qt::ApplicationIcon());

    // The program speaks German; so do Qt's own dialogs and buttons.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    pultara::qt::SingleInstance instance;
    if (!instance.First()) {
        if (instance.AskFirstCopyToShow()) {
            return 0;
        }
        std::fprintf(stderr, "pultara: another copy is running but does not answer\n");
        return 1;
    }
    return pultara::qt::Run(app, options, instance);
}
