#pragma once
#include <string>
#include <vector>

#include "ports/dialogs.h"
#include "ports/value_store.h"
#include "store/save_result.h"

namespace pultara {

struct NamedValue {
    std::string name;
    StoredValue value;
};

// The save of both stores: writes `values` in order into `key` (null when
// the key could not be opened or created) and closes it. A failed write
// skips the values after it; what was written before stays written. Every
// failure shows the save-failure box once.
SaveResult WriteValues(StoreKey* key, const std::vector<NamedValue>& values, Dialogs& dialogs);

}  // namespace pultara
