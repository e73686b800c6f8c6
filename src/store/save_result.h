#pragma once
#include "ports/dialogs.h"

namespace pultara {

// What a save did. Callers may ignore it; a front end can use it to avoid
// stacking one failure box on another.
enum class SaveResult {
    Saved,           // every value written and kept
    KeyUnavailable,  // the key could not be opened or created; the failure box has been shown
    Failed,          // a write failed; the failure box has been shown
};

// The box both stores show when a save fails.
void ShowSaveFailure(Dialogs& dialogs);

}  // namespace pultara
