#include "store/save_result.h"

namespace pultara {

void ShowSaveFailure(Dialogs& dialogs) {
    dialogs.ShowMessage("Programmeinstellungen konnten nicht gesichert werden.", "Information",
                        MessageIcon::Information);
}

}  // namespace pultara
