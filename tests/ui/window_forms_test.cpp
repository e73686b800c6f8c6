#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/engine_state.h"
#include "platform/fake/fake_shell.h"
#include "ui/help_form.h"
#include "ui/info_form.h"
#include "ui/main_form.h"
#include "ui/rename_form.h"
#include "ui/visual_styles.h"

namespace pultara {
namespace {

struct HelpWindow : ::testing::Test {
    std::string Path() const { return files.directory + "halvane.rtf"; }
    fake::CallLog log;
    fake::FakeFiles files{log};
    HelpForm help{files};
};

TEST_F(HelpWindow, ShowsTheFourFallbackLinesWithoutAFile) {
    help.FormShow();
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"ReadFile(\"" + Path() + "\")"}));
    const std::string text = help.View().Text();
    EXPECT_TRUE(
        text.starts_with("Sollte die Datei halvane.rtf im Programmverzeichnis nicht zur \n"
                         "Verfügung stehen, ist die Hilfe nicht verfügbar.\n\n"
                         "Laden Sie die vollständigen Dateien von "));
    EXPECT_TRUE(text.ends_with("."));
    EXPECT_EQ(help.Caption(), "Hilfe");
    EXPECT_TRUE(help.startMaximised);
    EXPECT_EQ(help.activeControl, "Button1");  // Enter closes it at once
}

TEST_F(HelpWindow, LoadsRichTextAndPlainText) {
    files.files[Path()] = "{\\rtf1\\ansi Hallo}";
    help.FormShow();
    EXPECT_EQ(help.Format(), TextFormat::RichText);
    EXPECT_EQ(help.View().Text(), "{\\rtf1\\ansi Hallo}");
    files.files[Path()] = "Nur Text\nohne Auszeichnung";
    help.FormShow();
    EXPECT_EQ(help.Format(), TextFormat::Plain);
    EXPECT_EQ(help.View().Text(), "Nur Text\nohne Auszeichnung");
}

TEST_F(HelpWindow, TypedTextIsReplacedAtTheNextShowingAndKeptWhenTheFileIsGone) {
    files.files[Path()] = "Handbuch";
    help.FormShow();
    help.View().SetText("Handbuch, vom Benutzer ergänzt");
    help.FormShow();
    EXPECT_EQ(help.View().Text(), "Handbuch");
    files.files.clear();
    help.FormShow();
    EXPECT_EQ(help.View().Text(), "Handbuch");
}

TEST(RenameWindow, FieldsAreTheButtonNamesAndLabelsKeepTheDefaults) {
    Profile profile;
    RenameForm rename{profile};
    EXPECT_EQ(rename.Caption(), "Buttons umbenennen");
    EXPECT_EQ(rename.NameEdit(7).Text(), "Button 7");
    rename.NameEdit(7).SetText("Vorspulen");
    EXPECT_EQ(profile.ButtonName(7), "Vorspulen");
    EXPECT_EQ(rename.Get("Label7").Caption(), "Button 7");
    EXPECT_EQ(rename.Get("Button1").Caption(), "OK, speichern");
    EXPECT_TRUE(rename.Get("Button1").look.defaultButton);
    EXPECT_EQ(rename.Get("Button3").Caption(), "Reset");
}

TEST(AboutWindow, ShowsNameVersionAndMakerLines) {
    InfoForm info;
    EXPECT_EQ(info.Caption(), "Info");
    EXPECT_EQ(info.Get("ProductName").Caption(), "Pultara");
    EXPECT_EQ(info.Get("Version").Caption(), "Version 0.9 (works with Windows XP Visual Styles)");
    EXPECT_TRUE(info.Get("Comments").Caption().starts_with("mailto:"));
    EXPECT_TRUE(info.Get("OKButton").look.defaultButton);
}

// What both renderers ask the model instead of deciding it themselves.
TEST(EveryWindow, AnswersFocusDefaultButtonFaceAndTextFormat) {
    Profile profile;
    EngineState state;
    MainForm main{profile, state};
    RenameForm rename{profile};
    InfoForm info;
    fake::CallLog log;
    fake::FakeFiles files{log};
    HelpForm help{files};

    EXPECT_EQ(main.FocusControl(), &main.Get("ComboBox1"));
    EXPECT_EQ(rename.FocusControl(), &rename.Get("Edit1"));
    EXPECT_EQ(info.FocusControl(), &info.Get("OKButton"));
    EXPECT_EQ(help.FocusControl(), &help.Get("Button1"));
    EXPECT_EQ(main.DefaultButton(), &main.Get("ButtonStart"));
    EXPECT_EQ(rename.DefaultButton(), &rename.Get("Button1"));
    EXPECT_EQ(main.PageControl(), &main.Get("ModusContainer"));
    EXPECT_EQ(rename.PageControl(), nullptr);

    for (const char* faceless : {"Timer1", "Timer2", "OpenDialog", "Label13", "Label75"}) {
        EXPECT_FALSE(main.Get(faceless).HasFace()) << faceless;
    }
    EXPECT_TRUE(main.Get("LabelStatus").HasFace());

    files.files[files.directory + "halvane.rtf"] = "{\\rtf1 Hallo}";
    help.FormShow();
    EXPECT_TRUE(help.ShowsRichText(help.View()));
    EXPECT_FALSE(help.ShowsRichText(help.Get("Button1")));
    files.files[files.directory + "halvane.rtf"] = "Hallo";
    help.FormShow();
    EXPECT_FALSE(help.ShowsRichText(help.View()));
}

TEST(VisualStylesComponent, AllowsOnePerFormAndOnlyOnForms) {
    Profile profile;
    EngineState state;
    MainForm main{profile, state};
    try {
        VisualStyles second{main};
        FAIL() << "a second component was placed";
    } catch (const ComponentError& error) {
        EXPECT_STREQ(error.what(), "Only one instance of TVisualStyles allowed on form");
    }
    EXPECT_EQ(main.components.size(), 1u);
    try {
        VisualStyles onControl{main.Get("ButtonStart")};
        FAIL() << "a component was placed on a control";
    } catch (const ComponentError& error) {
        EXPECT_STREQ(error.what(), "Control parent must be a form!");
    }
    InfoForm info;
    { VisualStyles alone{info}; }
    EXPECT_TRUE(info.components.empty());
}

}  // namespace
}  // namespace pultara

namespace pultara {
namespace {

// The manual shipped beside the program must load as rich text: one
// balanced group from start to end.
TEST(ShippedManual, IsWellFormedRichTextCoveringTheKeyLanguage) {
    fake::CallLog log;
    fake::FakeFiles files{log};
    files.directory = "";
    std::ifstream in(PULTARA_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(in);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string rtf = content.str();
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped character or the first letter of a control word
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            --depth;
            ASSERT_TRUE(depth > 0 || i + 3 >= rtf.size()) << "group closed early at " << i;
        }
    }
    EXPECT_EQ(depth, 0);
    files.files["halvane.rtf"] = rtf;
    HelpForm help{files};
    help.FormShow();
    EXPECT_EQ(help.Format(), TextFormat::RichText);
    for (const char* topic : {"Tastaturkommandos", "\\{MCL\\}", "\\{LEFT 5\\}",
                              "Globale Maustasten", "Fokus erzwingen", "Pfeiltasten", "Modi"}) {
        EXPECT_NE(rtf.find(topic), std::string::npos) << topic;
    }
}

}  // namespace
}  // namespace pultara
