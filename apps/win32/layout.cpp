#include "apps/win32/layout.h"

#include <algorithm>
#include <array>

namespace pultara::win32app {

namespace {

constexpr int kMargin = 8;
constexpr int kRow = 26;    // height of one row of fields
constexpr int kField = 22;  // height of a text field, list or button
constexpr int kLeftWidth = 296;
constexpr int kPagesX = kMargin + kLeftWidth + 12;
constexpr int kPagesWidth = 540;
constexpr int kPagesHeight = 400;
constexpr int kNotesX = kPagesX + kPagesWidth + 12;
constexpr int kNotesWidth = 180;
constexpr int kBottomY = kMargin + kPagesHeight + 12;
constexpr int kTabHeader = 28;

struct Column {
    int x;
    int width;
};

// Group origins of the main window (left column, top to bottom).
constexpr std::array<int, 5> kGroupY = {0, kMargin, 122, 180, 342};

Box Cell(int x, int y, int width, int height = kField) {
    return Box{x, y, width, height};
}

Box PlaceMainGroup(const Control& c) {
    const Placement& p = c.Where();
    const int top = p.group >= 1 && p.group <= 4 ? kGroupY[p.group] : 0;
    switch (p.group) {
        case 1: {
            const Column cols[] = {{kMargin, 120}, {kMargin + 128, 168}};
            const Column col = cols[std::clamp(p.column, 0, 1)];
            const int height = c.Kind() == ControlKind::ProgressBar ? 18 : kField;
            const int dy = c.Kind() == ControlKind::ProgressBar ? 2 : 0;
            return Cell(col.x, top + p.row * kRow + dy, col.width, height);
        }
        case 2:
            if (p.row == 0) {
                return Cell(kMargin, top + 4, kLeftWidth, 18);
            }
            return Cell(kMargin + p.column * 100, top + kRow - 4, 94);
        case 3: return Cell(kMargin + p.column * 150, top + p.row * 24, 144, 20);
        case 4: return Cell(kMargin, top + p.row * 24, kLeftWidth, 20);
        case 5: return Cell(kPagesX, kMargin, kPagesWidth, kPagesHeight);
        case 6: return Cell(kNotesX, kMargin + p.row * 180, kNotesWidth, 170);
        case 7: return Cell(kMargin + p.column * 140, kBottomY, 132, 26);
        default: return Box{};  // no face
    }
}

// The controls of a mode page, in rows; each row kind has its columns.
Box PlaceOnPage(const Control& c) {
    const Placement& p = c.Where();
    static const Column header[] = {{8, 56}, {68, 140}, {216, 300}};
    static const Column wide[] = {{8, 100}, {112, 372}, {488, 28}};
    static const Column flags[] = {{8, 200}, {216, 240}};
    static const Column buttons[] = {{8, 76}, {88, 168}, {268, 76}, {348, 168}};
    const int y = 8 + p.row * 30 + (p.row >= 5 ? 4 : 0);
    const int column = std::max(p.column, 0);
    const bool label = c.Kind() == ControlKind::Label;
    const int labelShift = label ? 3 : 0;
    if (p.row == 0) {
        return Cell(header[std::min(column, 2)].x, y + labelShift,
                    header[std::min(column, 2)].width);
    }
    if (p.row <= 3) {
        return Cell(wide[std::min(column, 2)].x, y + labelShift, wide[std::min(column, 2)].width);
    }
    if (p.row == 4) {
        return Cell(flags[std::min(column, 1)].x, y + labelShift, flags[std::min(column, 1)].width);
    }
    return Cell(buttons[std::min(column, 3)].x, y + labelShift, buttons[std::min(column, 3)].width);
}

Box PlaceRename(const Control& c) {
    const Placement& p = c.Where();
    if (c.Kind() == ControlKind::Button) {
        return Cell(kMargin + p.column * 128, kMargin + p.row * kRow + 8, 120, 26);
    }
    const int shift = c.Kind() == ControlKind::Label ? 3 : 0;
    return p.column == 0 ? Cell(kMargin, kMargin + p.row * kRow + shift, 80)
                         : Cell(kMargin + 88, kMargin + p.row * kRow, 200);
}

// The about box: nested panels around the picture and the texts, the button
// centred below. Where a control sits follows from its kind, its depth in
// the panels and its cell.
Box PlaceInfo(const Form& form, const Control& c) {
    const Placement& p = c.Where();
    int depth = 0;
    for (const Control* up = form.Find(p.parent); up != nullptr;
         up = form.Find(up->Where().parent)) {
        ++depth;
    }
    const int inner = kMargin + 12;  // inside the inner panel
    switch (c.Kind()) {
        case ControlKind::Panel:
            if (depth == 0) {
                return Cell(kMargin, kMargin, 304, 176);
            }
            if (depth == 1) {
                return Cell(kMargin + 4, kMargin + 4, 296, 168);
            }
            return Cell(inner, inner, 68, 52);  // the picture's frame
        case ControlKind::Image: return Cell(inner + 2, inner + 2, 64, 48);
        case ControlKind::Button: return Cell(kMargin + 112, kMargin + 188, 80, 26);
        case ControlKind::Label:
            if (p.column == 1) {  // beside the picture
                return Cell(kMargin + 92, kMargin + 14 + p.row * 22, 200,
                            c.look.wordWrap ? 34 : 20);
            }
            return Cell(inner, kMargin + 76 + (p.row - 2) * 24, 280, 20);
        default: return Box{};
    }
}

}  // namespace

Box PlaceControl(const Form& form, const Control& control) {
    switch (form.layout) {
        case FormLayout::Groups:
            if (control.Where().parent == form.Name()) {
                return PlaceMainGroup(control);
            }
            if (control.Kind() == ControlKind::TabPage) {
                return Cell(0, kTabHeader, kPagesWidth - 8, kPagesHeight - kTabHeader - 6);
            }
            return PlaceOnPage(control);
        case FormLayout::FieldRows: return PlaceRename(control);
        case FormLayout::Panels: return PlaceInfo(form, control);
        case FormLayout::Stretch: break;
    }
    // A stretched form lays out its controls on every resize.
    return Box{};
}

Box FormClientSize(const Form& form) {
    switch (form.layout) {
        case FormLayout::Groups:
            return Box{0, 0, kNotesX + kNotesWidth + kMargin, kBottomY + 26 + kMargin};
        case FormLayout::FieldRows:
            return Box{0, 0, kMargin * 2 + 288, kMargin * 2 + 13 * kRow + 12};
        case FormLayout::Panels: return Box{0, 0, kMargin * 2 + 304, kMargin * 2 + 214};
        case FormLayout::Stretch: break;
    }
    return Box{0, 0, 640, 480};
}

}  // namespace pultara::win32app
