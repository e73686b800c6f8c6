#pragma once
#include "engine/profile.h"
#include "ui/form.h"

namespace pultara {

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
