#pragma once
#include "ui/form.h"

namespace pultara {

// TFormInfo, "Info": product name, version and the maker's lines.
class InfoForm : public Form {
public:
    InfoForm();
};

inline constexpr const char* kMakerCopyright = "Copyright © Dezember 2026 Orvendt";
inline constexpr const char* kMakerMail = "mailto:pultara@orvendt.example";
inline constexpr const char* kMakerWeb = "http://www.orvendt.example/pultara/";

}  // namespace pultara
