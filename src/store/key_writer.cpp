#include "store/key_writer.h"

namespace pultara {

SaveResult WriteValues(StoreKey* key, const std::vector<NamedValue>& values, Dialogs& dialogs) {
    if (key == nullptr) {
        ShowSaveFailure(dialogs);
        return SaveResult::KeyUnavailable;
    }
    for (const NamedValue& value : values) {
        if (!key->Write(value.name, value.value)) {
            ShowSaveFailure(dialogs);
            key->Close();
            return SaveResult::Failed;
        }
    }
    // A store that reaches its medium only on closing reports failure here.
    if (!key->Close()) {
        ShowSaveFailure(dialogs);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

}  // namespace pultara
