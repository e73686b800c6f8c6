// The controls of the main window: names, kinds, captions, hints, list
// entries and grouping, in focus order.
#include "ui/control_names.h"
#include "ui/main_form.h"

namespace pultara {

namespace {

constexpr const char* kForm = "FormMain";
constexpr int kAxisListRows = 22;
constexpr int kButtonListRows = 14;
constexpr int kProgressMaximum = 65000;

Placement At(int group, int row, int column = 0, const std::string& parent = kForm) {
    return Placement{parent, row, column, group};
}

}  // namespace

std::vector<std::string> AxisListEntriesXY() {
    return {"keine Aktion",      "Lautstärke",
            "Lautstärke (-1)",   "Höhen",
            "Höhen (-1)",        "Bass",
            "Bass (-1)",         "Pfeiltasten (l/r)",
            "Pfeiltasten (r/l)", "Pfeiltasten (o/u)",
            "Pfeiltasten (u/o)", "Mausachse X",
            "Mausachse X (-1)",  "Mausachse Y",
            "Mausachse Y (-1)"};
}

std::vector<std::string> AxisListEntriesZ() {
    return {"keine Aktion",     "Lautstärke",  "Lautstärke (-1)", "Höhen",
            "Höhen (-1)",       "Bass",        "Bass (-1)",       "Mausachse X",
            "Mausachse X (-1)", "Mausachse Y", "Mausachse Y (-1)"};
}

std::vector<std::string> ButtonListEntries() {
    std::vector<std::string> entries{"- kein"};
    for (int button = 1; button <= kButtonCount; ++button) {
        entries.push_back(Profile::DefaultButtonName(button));
    }
    return entries;
}

MainForm::MainForm(Profile& profile, EngineState& state)
    : Form(kForm, "Pultara"), profile_(profile), state_(state) {
    layout = FormLayout::Groups;
    BuildStatusAndAxes();
    BuildMouseButtons();
    BuildButtonBoxes();
    BuildFocusFlags();
    BuildModePages();
    BuildNotes();
    BuildCommandButtons();
    BuildComponents();
    BindSettings();
    BindButtonStates();
}

void MainForm::BuildStatusAndAxes() {
    AddLabel("LabelStatus", "Status:", At(1, 0, 0));
    AddLabel("LabelModusEinstellungen", "Modus-Einstellungen >>", At(1, 0, 1));
    const char* hints[] = {"x - Achse", "y - Achse", "z - Achse"};
    for (int axis = 0; axis < 3; ++axis) {
        Control& bar = Add("ProgressBar" + std::to_string(axis + 1), ControlKind::ProgressBar,
                           At(1, axis + 1, 0));
        bar.look.hint = hints[axis];
        bar.look.maximum = kProgressMaximum;
        Control& list = Add(SettingControlName({Field::AxisAction, 0, axis}),
                            ControlKind::DropDownList, At(1, axis + 1, 1));
        list.look.dropDownRows = kAxisListRows;
        list.SetItems(axis == 2 ? AxisListEntriesZ() : AxisListEntriesXY());
    }
}

void MainForm::BuildMouseButtons() {
    Control& label = AddLabel("LabelGlobaleMaustasten", "Globale Maustasten (l/m/r) ", At(2, 0));
    label.look.hint =
        "Belegt einzelne Buttons global mit Maustastenfunktionen. Es ist auch möglich, in einem "
        "bestimten Modus Maustasten zu definieren. Siehe Hilfe. (Tastaturkommandos {MCL}, {MCR})";
    const char* hints[] = {
        "Statt der globalen Definition kann in den 4 Modi {MCL} verwendet werden, um einen "
        "Links-Mausklick zu simulieren.",
        "Statt der globalen Definition kann in den 4 Modi {MCM} verwendet werden, um einen  "
        "mittleren Mausklick zu simulieren.",
        "Statt der globalen Definition kann in den 4 Modi {MCR} verwendet werden, um einen "
        "Rechts-Mausklick zu simulieren."};
    for (int which = 0; which < 3; ++which) {
        // Pick-only: typing picks an entry (or none), never a text of its own.
        Control& list = Add(SettingControlName({Field::MouseButton, 0, which}),
                            ControlKind::DropDownList, At(2, 1, which));
        list.look.hint = hints[which];
        list.look.dropDownRows = kButtonListRows;
        list.SetItems(ButtonListEntries());
    }
}

void MainForm::BuildButtonBoxes() {
    for (int button = 1; button <= kButtonCount; ++button) {
        Control& box = Add(ButtonBoxName(button), ControlKind::CheckBox,
                           At(3, (button - 1) % 6, (button - 1) / 6));
        box.SetCaption(Profile::DefaultButtonName(button));
        box.look.elide = true;
    }
}

void MainForm::BuildFocusFlags() {
    Control& force =
        Add(SettingControlName({Field::ForceForeground}), ControlKind::CheckBox, At(4, 0));
    force.SetCaption("Fokus erzwingen (w2k, xp)");
    force.look.hint =
        "Unter Windows 2000 und XP evtl. nötig, um den Fokus tatsächlich umzuschalten.";
    Control& back = Add(SettingControlName({Field::RestoreFocus}), ControlKind::CheckBox, At(4, 1));
    back.SetCaption("Fokus wiederherstellen");
    back.look.hint = "Nach dem ausführen der Funktion zum ursprünglich aktiven Programm wechseln.";
}

// The page control's selected position is the page shown; the first at start.
void MainForm::BuildModePages() {
    Control& pages = Add("ModusContainer", ControlKind::PageControl, At(5, 0));
    std::vector<std::string> names;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        names.push_back(PageName(mode));
    }
    pages.SetItems(names);
    pages.SetItemIndex(0);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        BuildModePage(mode);
    }
}

void MainForm::BuildModePage(int mode) {
    const std::string page = PageName(mode);
    Add(page, ControlKind::TabPage, At(5, 0, mode - 1, "ModusContainer"))
        .SetCaption("Modus " + std::to_string(mode));
    auto on = [&](int row, int column) { return At(5, row, column, page); };
    AddLabel(StaticLabelName(mode, 0), "Button", on(0, 0));
    Control& list = Add(SwitchListName(mode), ControlKind::DropDownList, on(0, 1));
    list.look.dropDownRows = kButtonListRows;
    list.SetItems(ButtonListEntries());
    Add(DescriptionEditName(mode), ControlKind::Edit, on(0, 2)).look.hint = "Beschreibung";
    Control& titleLabel = AddLabel(TitleLabelName(mode), "Fenstertitel", on(1, 0));
    titleLabel.look = {.hint =
                           "Wenn die Eingabe aktiv ist, dann wird versucht, das vorhandene "
                           "Anwendungsfenster anzusteuern.",
                       .underline = true,
                       .handCursor = true};
    titleLabel.SetColour(ColourRole::Navy);
    Add(TitleBoxName(mode), ControlKind::EditableComboBox, on(1, 1)).SetColour(ColourRole::Window);
    AddLabel(StaticLabelName(mode, 1), "Kommando", on(2, 0));
    Add(CommandEditName(mode), ControlKind::Edit, on(2, 1));
    Control& browse = Add(BrowseButtonName(mode), ControlKind::Button, on(2, 2));
    browse.SetCaption("...");
    browse.look.bold = true;
    AddLabel(StaticLabelName(mode, 2), "Parameter", on(3, 0));
    Add(ParameterEditName(mode), ControlKind::Edit, on(3, 1));
    AddLabel(StaticLabelName(mode, 3), "Tastaturkommandos", on(4, 0));
    for (int button = 1; button <= kButtonCount; ++button) {
        const int row = 5 + (button - 1) % 6;
        const int column = (button - 1) / 6 * 2;
        AddLabel(ButtonLabelName(mode, button), Profile::DefaultButtonName(button), on(row, column))
            .look.elide = true;
        Add(ButtonCommandEditName(mode, button), ControlKind::Edit, on(row, column + 1));
    }
    Add(EnsureFocusBoxName(mode), ControlKind::CheckBox, on(4, 1))
        .SetCaption("Fokus sicherstellen");
}

void MainForm::BuildNotes() {
    Control& conflicts = AddLabel(
        "Label72",
        "Hinweis: Achten sie bitte auf sich widersprechende Button-Belegungen. (Modi-Buttons und  "
        "globale Maus-Button-Funktionen nicht mehrmals verwenden)",
        At(6, 0));
    Control& keys = AddLabel(
        "Label74",
        "Tastaturkommandos können beliebige Tasten und Buchstaben sein. \"Hallo~\" würde "
        "beispielsweise in der aktiven Anwendung der Eingabe von \"Hallo\" mit anschliessendem "
        "Druck auf die Enter-Taste entsprechen. Weitere Hinwese finden sich in der Hilfe.",
        At(6, 1));
    for (Control* note : {&conflicts, &keys}) {
        note->look.wordWrap = true;
        note->SetColour(ColourRole::Grey);
    }
}

void MainForm::BuildCommandButtons() {
    const char* names[] = {"ButtonStart", "ButtonEnde", "ButtonEinstellen", "ButtonHilfe",
                           "ButtonInfo"};
    const char* captions[] = {"Start", "Beenden", "Buttons umbenennen", "Hilfe", "Info"};
    for (int i = 0; i < 5; ++i) {
        Add(names[i], ControlKind::Button, At(7, 0, i)).SetCaption(captions[i]);
    }
    Control& start = Get("ButtonStart");
    start.look.defaultButton = true;
    start.look.hint = "Buttons aktivieren und Programmfenster minimieren";
}

// Timers run from creation; the poll timer's interval is the Profile's.
void MainForm::BuildComponents() {
    pollTimer_ = &Add(SettingControlName({Field::UpdateInterval}), ControlKind::Timer, At(8, 0));
    saveTimer_ = &Add("Timer2", ControlKind::Timer, At(8, 1));
    saveTimer_->SetInterval(5000);
    Control& dialog = Add("OpenDialog", ControlKind::OpenDialog, At(8, 2));
    dialog.SetItems({"Linked documents or programs. (*.*)", "*.*"});
    for (const char* margin : {"Label13", "Label75", "Label76"}) {
        AddLabel(margin, "", At(8, 3)).look.spacer = true;
    }
}

}  // namespace pultara
