#pragma once
#include <QCommandLineParser>
#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

namespace pultara::qt {

// Reads the command line before any window system is touched: --help,
// --version and a mistake are answered here and end the program, so they
// work without a display.
void AnswerCommandLine(int argc, char** argv, QCommandLineParser& options);

// While QApplication connects to the display, Qt's messages are held back;
// when it cannot connect, Qt would abort with a core dump and a page of
// advice about plugins. Then the program says so in one line and exits 1.
// Opened() gives the held messages to Qt's usual output.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
    void Opened();

private:
    QtMessageHandler previous_;
    bool opened_ = false;
};

}  // namespace pultara::qt
