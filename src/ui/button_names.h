#pragma once
#include "ui/main_form.h"
#include "ui/rename_form.h"

namespace pultara {

// ApplyButtonNames: the names in the rename dialog's fields replace entries
// 1..12 of the seven button lists, the captions of the twelve button boxes
// and the labels of the button fields on the four pages. Entry 0 ("- kein")
// is never touched, and every selection stays where it is.
void ApplyButtonNames(const RenameForm& names, MainForm& main);

}  // namespace pultara
