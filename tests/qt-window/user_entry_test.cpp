// What the user does in a Qt window reaches the program through its entry
// guard: an error in what a click, an edit or the Escape key starts shows
// the program's error box, and the window stays and goes on working (an
// exception that left a Qt slot would end the program).
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <stdexcept>

#include "form_window.h"
#include "platform/fake/fake_form_host.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"
#include "qt_text.h"
#include "ui/application.h"

QIcon pultara::qt::ApplicationIcon() {
    return {};
}

namespace pultara::qt {
namespace {

class UserEntry : public ::testing::Test {
protected:
    UserEntry() {
        window = std::make_unique<FormWindow>(app.program().Main());
        app.program().Start();
    }

    // The error boxes shown so far.
    std::size_t ErrorBoxes() const { return fakes.log.Only("ApplicationError(\"kaputt\")").size(); }

    fake::FakePlatform fakes;
    fake::FakeTray tray{fakes.log};
    fake::FakeFiles files{fakes.log};
    fake::FakeFileDialog dialog{fakes.log};
    fake::FakeFormHost host{fakes.log};
    Application app{fakes.Services(), FrontEndPorts{tray, files, dialog, host}};
    std::unique_ptr<FormWindow> window;
};

TEST_F(UserEntry, AnErrorInWhatTheUserStartsShowsTheErrorBox) {
    Form& main = app.program().Main();
    int clicks = 0;
    main.Get("ButtonInfo").onClick = [&] {
        ++clicks;
        throw std::runtime_error("kaputt");
    };
    auto* button = qobject_cast<QPushButton*>(window->WidgetOf("ButtonInfo"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(ErrorBoxes(), 1u);
    button->click();  // the window still answers
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(ErrorBoxes(), 2u);

    main.Get("EditM1b1").onChange = [] { throw std::runtime_error("kaputt"); };
    auto* edit = qobject_cast<QLineEdit*>(window->WidgetOf("EditM1b1"));
    ASSERT_NE(edit, nullptr);
    emit edit->textEdited(QStringLiteral("{ENTER}"));
    EXPECT_EQ(ErrorBoxes(), 3u);
    EXPECT_EQ(app.program().Main().Get("EditM1b1").Text(), "{ENTER}");  // the edit is kept

    main.onEscape = [] { throw std::runtime_error("kaputt"); };
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &escape);
    EXPECT_EQ(ErrorBoxes(), 4u);
}

}  // namespace
}  // namespace pultara::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
