// The main window as a user sees it on the screen it runs on (run on
// virtual desktops of several sizes and scales): the framed window lies in
// the work area, "Beenden", "Info", the button boxes and the commands of
// buttons 7 to 12 are in view or scroll into view, long button names are
// cut with "…" and shown whole as tooltips, and where the screen has room
// the window keeps the size of its contents, without scroll bars. Each run
// saves a picture of the screen to $PULTARA_SCREENSHOTS.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>

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

constexpr const char* kNamesKey = "\\Software\\Orvendt\\tevorin\\names";
const std::string kLongName = "Wiedergabe starten oder pausieren";
const std::string kWideName(26, 'W');

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::string Text(const QRect& rect) {
    return std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + "+" +
           std::to_string(rect.x()) + "+" + std::to_string(rect.y());
}

// The real program on the fake platform, its main window in Qt, the stored
// names applied by the first periodic save.
class MainWindowOnThisScreen : public ::testing::Test {
protected:
    void Show(bool longNames) {
        for (int button = 1; button <= 12; ++button) {
            std::string name = "Button " + std::to_string(button);
            if (longNames && button <= 2) {
                name = button == 1 ? kLongName : kWideName;
            }
            fakes.store.PutString(kNamesKey, "name" + std::to_string(button), name);
        }
        window = std::make_unique<FormWindow>(app.program().Main());
        window->UseFixedFrame();
        // Shown at start, framed by the window manager and placed; the
        // first periodic save then applies the names.
        app.program().Start();
        ASSERT_TRUE(WaitFor([&] {
            return window->isVisible() && window->windowHandle()->isExposed() &&
                   window->frameGeometry() != window->geometry();
        }));
        app.program().Timer2Timer();
        QApplication::processEvents();
        scroll = window->findChild<QScrollArea*>(QStringLiteral("Contents"));
    }

    void Photograph(const char* name) {
        const QString folder = qEnvironmentVariable("PULTARA_SCREENSHOTS");
        if (folder.isEmpty()) {
            return;
        }
        QDir().mkpath(folder);
        const QString path = folder + "/" + name + ".png";
        window->screen()->grabWindow(0).save(path);
        std::printf("screenshot: %s\n", qPrintable(path));
    }

    // In view inside the scroll area once it has scrolled there.
    void ExpectReachable(const char* control) {
        QWidget* widget = window->WidgetOf(control);
        ASSERT_NE(widget, nullptr) << control;
        // Where the user would drag the scroll bars to see the whole field.
        const QPoint centre = widget->mapTo(scroll->widget(), widget->rect().center());
        scroll->ensureVisible(centre.x(), centre.y(), widget->width() / 2 + 1,
                              widget->height() / 2 + 1);
        QApplication::processEvents();
        const QRect shown(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(widget->isVisible()) << control;
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown))
            << control << " at " << Text(shown) << " in a view of "
            << Text(scroll->viewport()->rect()) << ", scrolled "
            << scroll->horizontalScrollBar()->value() << " of "
            << scroll->horizontalScrollBar()->maximum() << " across, "
            << scroll->verticalScrollBar()->value() << " of "
            << scroll->verticalScrollBar()->maximum() << " down";
    }

    void ExpectInWorkArea() {
        const QRect area = window->screen()->availableGeometry();
        EXPECT_TRUE(area.contains(window->frameGeometry()))
            << "window " << Text(window->frameGeometry()) << ", work area " << Text(area);
    }

    fake::FakePlatform fakes;
    fake::FakeTray tray{fakes.log};
    fake::FakeFiles files{fakes.log};
    fake::FakeFileDialog dialog{fakes.log};
    fake::FakeFormHost host{fakes.log};
    Application app{fakes.Services(), FrontEndPorts{tray, files, dialog, host}};
    std::unique_ptr<FormWindow> window;
    QScrollArea* scroll = nullptr;
};

TEST_F(MainWindowOnThisScreen, LongNamesAreCutAndEveryControlIsInReach) {
    Show(true);
    Photograph("main-long-names");
    ExpectInWorkArea();
    ASSERT_NE(scroll, nullptr) << "the window cannot scroll";
    for (const char* control : {"ButtonEnde", "ButtonInfo", "CheckBox12", "EditM1b7", "EditM1b8",
                                "EditM1b9", "EditM1b10", "EditM1b11", "EditM1b12"}) {
        ExpectReachable(control);
    }
    Photograph("main-scrolled");
    // A name shows whole, or cut with "…" and whole in its tooltip; on a
    // mode page the long name is always cut.
    const auto expectWholeOrCut = [](const char* control, const QString& shown, const QString& tip,
                                     const std::string& name) {
        if (FromQt(shown) != name) {
            EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << control << ": " << FromQt(shown);
            EXPECT_EQ(FromQt(tip), name) << control;
        }
    };
    for (const auto& [control, name] :
         {std::pair{"CheckBox1", kLongName}, std::pair{"CheckBox2", kWideName}}) {
        auto* box = qobject_cast<QCheckBox*>(window->WidgetOf(control));
        ASSERT_NE(box, nullptr);
        expectWholeOrCut(control, box->text(), box->toolTip(), name);
    }
    for (const auto& [control, name] :
         {std::pair{"Label3", kLongName}, std::pair{"Label4", kWideName}}) {
        auto* label = qobject_cast<QLabel*>(window->WidgetOf(control));
        ASSERT_NE(label, nullptr);
        EXPECT_NE(FromQt(label->text()), name) << control;
        expectWholeOrCut(control, label->text(), label->toolTip(), name);
    }
}

// Where the screen has room for the whole window, it is as large as its
// contents and shows no scroll bar; short names are not cut.
TEST_F(MainWindowOnThisScreen, KeepsItsOwnSizeWhereTheScreenHasRoom) {
    Show(false);
    Photograph("main-default-names");
    ExpectInWorkArea();
    const QRect area = window->screen()->availableGeometry();
    const QMargins frame = window->windowHandle()->frameMargins();
    const QSize wanted = scroll != nullptr ? scroll->widget()->sizeHint() : window->sizeHint();
    const bool room = wanted.width() + frame.left() + frame.right() <= area.width() &&
                      wanted.height() + frame.top() + frame.bottom() <= area.height();
    if (room) {
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(window->size(), wanted);
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    }
    auto* box = qobject_cast<QCheckBox*>(window->WidgetOf("CheckBox12"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(FromQt(box->text()), "Button 12");
}

}  // namespace
}  // namespace pultara::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
