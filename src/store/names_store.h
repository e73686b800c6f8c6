#pragma once
#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"
#include "store/save_result.h"

namespace pultara {

// Keeps the twelve button names (the rename dialog's fields) under the names
// key as the string values name1..name12.
class NamesStore {
public:
    NamesStore(Profile& profile, ValueStore& store, Dialogs& dialogs);
    // A missing key leaves the names as they are (the defaults at start); a
    // missing value reads as an empty name; a value that is not a string ends
    // the load silently, leaving that name and the ones after it.
    void LoadButtonNames();
    // Writes all twelve; a failed write shows the failure box.
    SaveResult SaveButtonNames();
    // "Reset": the default names back into the fields; nothing is stored.
    void ResetButtonNames();

private:
    Profile& profile_;
    ValueStore& store_;
    Dialogs& dialogs_;
};

}  // namespace pultara
