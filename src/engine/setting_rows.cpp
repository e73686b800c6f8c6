#include "engine/setting_rows.h"

namespace pultara {

namespace {

// `pattern` with "{m}" and "{b}" replaced by the mode's and the button's number.
std::string Fill(std::string_view pattern, const FieldChange& id) {
    std::string out;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::string_view rest = pattern.substr(at);
        if (rest.starts_with("{m}") || rest.starts_with("{b}")) {
            out += std::to_string(rest[1] == 'm' ? id.mode : id.button);
            at += 2;
        } else {
            out += pattern[at];
        }
    }
    return out;
}

}  // namespace

std::string ValueName(const SettingRow& row) {
    return Fill(row.declared->name, row.id);
}

std::string ControlName(const SettingRow& row) {
    return Fill(row.declared->control, row.id);
}

std::string SettingControlName(const FieldChange& id) {
    const int index = SettingIndex(id);
    return index < 0 ? std::string() : ControlName(kSettingRows[static_cast<std::size_t>(index)]);
}

}  // namespace pultara
