#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "engine/setting_table.h"

// The setting table expanded into one row per stored setting, in stored
// order, and the look-up of a row by its identity. Both are worked out when
// the program is compiled; the checks below stop a build whose table names
// one setting twice.

namespace pultara {

struct SettingRow {
    FieldChange id;
    const SettingDeclaration* declared = nullptr;
};

namespace setting_rows {

constexpr bool PerButton(const SettingDeclaration& d) {
    return d.name.find("{b}") != std::string_view::npos;
}

constexpr int CountRows() {
    int block = 0;
    for (const SettingDeclaration& d : kModeSettings) {
        block += PerButton(d) ? kButtonCount : 1;
    }
    return block * kModeCount + static_cast<int>(std::size(kGlobalSettings));
}

template <std::size_t N>
constexpr std::array<SettingRow, N> ExpandRows() {
    std::array<SettingRow, N> rows{};
    std::size_t next = 0;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        for (const SettingDeclaration& d : kModeSettings) {
            for (int b = PerButton(d) ? 1 : 0; b <= (PerButton(d) ? kButtonCount : 0); ++b) {
                rows[next++] = {{d.field, mode, b}, &d};
            }
        }
    }
    for (const SettingDeclaration& d : kGlobalSettings) {
        rows[next++] = {{d.field, 0, d.button}, &d};
    }
    return rows;
}

}  // namespace setting_rows

inline constexpr int kSettingCount = setting_rows::CountRows();
inline constexpr std::array<SettingRow, kSettingCount> kSettingRows =
    setting_rows::ExpandRows<kSettingCount>();

namespace setting_rows {

constexpr int FieldCount() {
    int count = 0;
    for (const SettingRow& row : kSettingRows) {
        count = std::max(count, static_cast<int>(row.id.field) + 1);
    }
    return count;
}
inline constexpr int kFieldCount = FieldCount();

inline constexpr std::size_t kModeSlots = kModeCount + 1;      // 0 for a global
inline constexpr std::size_t kButtonSlots = kButtonCount + 1;  // 0 for none

constexpr bool Fits(const FieldChange& id) {
    const int field = static_cast<int>(id.field);
    return field >= 0 && field < kFieldCount && id.mode >= 0 && id.mode <= kModeCount &&
           id.button >= 0 && id.button <= kButtonCount;
}

constexpr std::size_t Key(const FieldChange& id) {
    return (static_cast<std::size_t>(id.field) * kModeSlots + static_cast<std::size_t>(id.mode)) *
               kButtonSlots +
           static_cast<std::size_t>(id.button);
}

using IndexMap =
    std::array<std::int16_t, static_cast<std::size_t>(kFieldCount) * kModeSlots * kButtonSlots>;

// Row of each identity, -1 for none; also -2 if an identity has two rows,
// which the check below refuses.
constexpr IndexMap BuildIndex() {
    IndexMap index{};
    index.fill(-1);
    for (int i = 0; i < kSettingCount; ++i) {
        const FieldChange& id = kSettingRows[static_cast<std::size_t>(i)].id;
        if (!Fits(id)) {
            continue;  // refused by the check of the rows
        }
        std::int16_t& slot = index[Key(id)];
        slot = slot == -1 ? static_cast<std::int16_t>(i) : std::int16_t{-2};
    }
    return index;
}
inline constexpr IndexMap kIndex = BuildIndex();

constexpr bool EachIdentityOnce() {
    int found = 0;
    for (std::int16_t row : kIndex) {
        if (row == -2) {
            return false;
        }
        found += row >= 0 ? 1 : 0;
    }
    return found == kSettingCount;
}
static_assert(EachIdentityOnce(), "the setting table names one setting twice");

constexpr bool EachRowComplete() {
    for (const SettingRow& row : kSettingRows) {
        const SettingDeclaration& d = *row.declared;
        const bool isList = d.type == SettingType::ListPosition;
        if (!Fits(row.id) || d.name.empty() || isList != (d.listSize > 0) ||
            d.control.empty() != (d.view == SettingView::None) ||
            (d.type == SettingType::Text && d.initial != 0)) {
            return false;
        }
    }
    return true;
}
static_assert(EachRowComplete(),
              "a setting lacks its name, its list's size or its control's property, has a "
              "number as a text's default, or names a button outside 0..12");

// The default of a field's settings, for an identity outside the table.
constexpr std::int64_t FieldDefault(Field field) {
    for (const SettingRow& row : kSettingRows) {
        if (row.id.field == field) {
            return row.declared->initial;
        }
    }
    return 0;
}

}  // namespace setting_rows

// Index of the stored setting `id` in kSettingRows; -1 when it names none
// (a mode or button out of its range, the button names).
constexpr int SettingIndex(const FieldChange& id) {
    return setting_rows::Fits(id) ? setting_rows::kIndex[setting_rows::Key(id)] : -1;
}

// The same for a field known when the program is compiled: the look-up the
// typed readers of the poll tick use.
template <Field F>
constexpr int SettingIndex(int mode, int button) {
    static_assert(static_cast<int>(F) < setting_rows::kFieldCount, "not a stored setting");
    constexpr std::size_t base = setting_rows::Key({F});
    const auto m = static_cast<std::size_t>(static_cast<unsigned>(mode));
    const auto b = static_cast<std::size_t>(static_cast<unsigned>(button));
    if (m >= setting_rows::kModeSlots || b >= setting_rows::kButtonSlots) {
        return -1;
    }
    return setting_rows::kIndex[base + m * setting_rows::kButtonSlots + b];
}

// The stored value's name of a row ("M2b7") and the name of the main
// window's control that shows it ("EditM2b7"; empty for none).
std::string ValueName(const SettingRow& row);
std::string ControlName(const SettingRow& row);
// The control of the stored setting `id`; empty when none shows it.
std::string SettingControlName(const FieldChange& id);

}  // namespace pultara
