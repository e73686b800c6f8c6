#pragma once
#include <optional>
#include <string>

namespace pultara {

// The modal open-file dialog.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Shows the dialog opened on `initialFile` with one filter entry; the
    // full path of the confirmed file, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFile(const std::string& initialFile,
                                                const std::string& filterDescription,
                                                const std::string& filterPattern) = 0;
};

}  // namespace pultara
