#pragma once
#include "engine/profile.h"
#include "ui/form.h"

namespace pultara {

// Loading and storing the button names, as the rename dialog runs them.
class NamesJobs {
public:
    virtual ~NamesJobs() = default;
    virtual void LoadButtonNames() = 0;
    virtual void SaveButtonNames() = 0;
    // "Reset": the default names back into the fields; nothing is stored.
    virtual void ResetButtonNames() = 0;
};

// TFormUmbenennen, "Buttons umbenennen": twelve fields that are the button
// names (views of the Profile's names), "OK, speichern" and "Reset". Its
// labels always show the default names.
class RenameForm : public Form {
public:
    explicit RenameForm(Profile& profile);

    Control& NameEdit(int button) const;
    void ProfileChanged(const FieldChange& change);

private:
    Profile& profile_;
};

}  // namespace pultara
