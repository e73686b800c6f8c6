#include "startup.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace pultara::qt {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

std::vector<HeldMessage>& Held() {
    static std::vector<HeldMessage> held;
    return held;
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        Held().push_back({type, QString::fromUtf8(context.category), text});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "pultara: no display to show the program on (DISPLAY=\"%s\", "
                 "WAYLAND_DISPLAY=\"%s\"); start it in a graphical session\n",
                 display.constData(), wayland.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

void AnswerCommandLine(int argc, char** argv, QCommandLineParser& options) {
    // A core application reads the arguments and prints help and version
    // without a window system; the GUI application comes after it.
    QCoreApplication commandLine(argc, argv);
    options.process(commandLine);
}

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(HoldOrEnd)) {}

DisplayGuard::~DisplayGuard() {
    Opened();
}

void DisplayGuard::Opened() {
    if (opened_) {
        return;
    }
    opened_ = true;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : Held()) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(message.type, context, message.text);
    }
    Held().clear();
}

}  // namespace pultara::qt
