#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/fake_form_host.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"
#include "ui/application.h"

namespace pultara {
namespace {

constexpr const char* kSettingsKey = "\\Software\\Orvendt\\tevorin";
constexpr const char* kNamesKey = "\\Software\\Orvendt\\tevorin\\names";

// The real stores, operations and program on the fake platform.
struct WholeProgram : ::testing::Test {
    std::string Stored(const std::string& key, const std::string& name) const {
        const auto value = fakes.store.Get(key, name);
        if (!value || value->data.empty()) {
            return "<none>";
        }
        return std::string(value->data.begin(), value->data.end() - 1);
    }
    fake::FakePlatform fakes;
    fake::FakeTray tray{fakes.log};
    fake::FakeFiles files{fakes.log};
    fake::FakeFileDialog dialog{fakes.log};
    fake::FakeFormHost host{fakes.log};
    Application app{fakes.Services(), FrontEndPorts{tray, files, dialog, host}};
};

TEST_F(WholeProgram, EditsReachTheStoreAtTheNextPeriodicSave) {
    app.program().Start();
    app.program().Main().Get("EditM1b1").SetText("Hallo~");
    EXPECT_EQ(Stored(kSettingsKey, "M1b1"), "<none>");
    app.program().Timer2Timer();
    EXPECT_EQ(Stored(kSettingsKey, "M1b1"), "Hallo~");
}

TEST_F(WholeProgram, StoredNamesReachTheMainWindowAtTheFirstPeriodicSave) {
    {
        // An earlier run stored a switch button and a description.
        Application earlier{fakes.Services(), FrontEndPorts{tray, files, dialog, host}};
        earlier.program().Start();
        earlier.program().Main().Get("ComboBoxM2").SetItemIndex(3);
        earlier.program().Main().Get("EditM2desc").SetText("Browser");
        earlier.program().CloseMainWindow();
    }
    fakes.store.Key(kNamesKey).clear();
    fakes.store.PutString(kNamesKey, "name3", "Stop");
    app.program().Start();
    MainForm& main = app.program().Main();
    EXPECT_EQ(main.Page(2).Caption(), "Browser");
    EXPECT_EQ(main.ButtonBox(3).Caption(), "Button 3");
    EXPECT_EQ(main.Get("ComboBoxM2").Text(), "Button 3");
    app.program().Timer2Timer();
    EXPECT_EQ(main.ButtonBox(3).Caption(), "Stop");
    EXPECT_EQ(main.Get("ComboBoxM2").ItemIndex(), 3);
    EXPECT_EQ(main.Get("ComboBoxM2").Text(), "Stop");
    // A names key without name7 gives button 7 an empty name everywhere.
    EXPECT_EQ(main.ButtonBox(7).Caption(), "");
}

// Names typed reach the main window at the next periodic save; Escape
// takes them back: the fields and the main window show the stored names
// (the defaults where none is stored), and nothing is stored.
TEST_F(WholeProgram, EscapeInTheRenameDialogGoesBackToTheStoredNames) {
    for (int button = 1; button <= 12; ++button) {
        fakes.store.PutString(kNamesKey, "name" + std::to_string(button),
                              button == 1 ? "Play" : "Button " + std::to_string(button));
    }
    app.program().Start();
    RenameForm& rename = app.program().Rename();
    MainForm& main = app.program().Main();
    host.whileModal["FormUmbenennen"] = [&](Form& form) {
        rename.NameEdit(1).SetText("Wiedergabe");
        rename.NameEdit(12).SetText("Ende");
        app.program().Timer2Timer();
        EXPECT_EQ(main.ButtonBox(1).Caption(), "Wiedergabe");
        form.PressEscape();
    };
    main.Get("ButtonEinstellen").Click();
    EXPECT_FALSE(rename.Visible());
    EXPECT_EQ(rename.NameEdit(1).Text(), "Play");
    EXPECT_EQ(rename.NameEdit(12).Text(), "Button 12");
    EXPECT_EQ(main.ButtonBox(1).Caption(), "Play");
    EXPECT_EQ(main.ButtonBox(12).Caption(), "Button 12");
    EXPECT_EQ(Stored(kNamesKey, "name1"), "Play");
}

// The notice beside the tray icon comes on the first start only (nothing
// stored yet), after the icon; a start after the first save is quiet, and so
// is a first start on a desktop without a notification area.
TEST_F(WholeProgram, TheFirstStartTellsOnceWhereTheProgramWent) {
    const std::string notice = "Shell_NotifyIconA(NIM_MODIFY, 0, NIF_INFO, \"Pultara\", \"" +
                               std::string(Lifecycle::kFirstStartNotice) + "\")";
    const auto notices = [&] {
        const auto& lines = fakes.log.Lines();
        const auto at = std::find(lines.begin(), lines.end(), notice);
        const auto icon =
            std::find(lines.begin(), lines.end(), "Shell_NotifyIconA(NIM_ADD, 0, \"Pultara\")");
        EXPECT_TRUE(at == lines.end() || icon < at) << "the notice came before the icon";
        return std::count(lines.begin(), lines.end(), notice);
    };
    app.program().Start();
    app.program().Timer1Timer();
    EXPECT_FALSE(app.program().Main().Visible()) << "the first tick still hides the window";
    EXPECT_EQ(notices(), 1);
    app.program().CloseMainWindow();
    fakes.log.Clear();
    {
        Application again{fakes.Services(), FrontEndPorts{tray, files, dialog, host}};
        again.program().Start();
        again.program().CloseMainWindow();
    }
    EXPECT_EQ(notices(), 0) << "a later start showed the notice again";
    fake::FakePlatform fresh;
    fake::FakeTray noTray{fresh.log};
    noTray.available = false;
    Application withoutTray{fresh.Services(), FrontEndPorts{noTray, files, dialog, host}};
    withoutTray.program().Start();
    EXPECT_EQ(std::count(fresh.log.Lines().begin(), fresh.log.Lines().end(), notice), 0)
        << "a notice without a notification area";
}

TEST_F(WholeProgram, AFailingSaveShowsOneBoxAtATime) {
    fakes.store.failWritesAfter = 1;
    app.program().Start();
    int reentered = 0;
    fakes.dialogs.whileOpen = [&] {
        if (reentered++ < 5) {
            app.program().Timer2Timer();
        }
    };
    app.program().Timer2Timer();
    EXPECT_EQ(fakes.dialogs.deepestNesting, 1);
}

}  // namespace
}  // namespace pultara
