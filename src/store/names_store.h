#pragma once
#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"

namespace pultara {

// Keeps the twelve button names under the names key.
class NamesStore {
public:
    NamesStore(Profile& profile, ValueStore& store, Dialogs& dialogs);
    void LoadButtonNames();
    void SaveButtonNames();
    // "Reset": the default names back into the fields; nothing is stored.
    void ResetButtonNames();

private:
    Profile& profile_;
    ValueStore& store_;
    Dialogs& dialogs_;
};

}  // namespace pultara
