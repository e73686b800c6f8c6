#include "ui/application.h"

#include "store/stored_values.h"

namespace pultara {

StoreJobs::StoreJobs(Profile& profile, const Platform& platform)
    : store_(platform.store),
      settings_(profile, platform.store, platform.dialogs),
      names_(profile, platform.store, platform.dialogs) {}

bool StoreJobs::AnyStored() {
    return store_.OpenForRead(kSettingsKeyPath) != nullptr;
}

Application::Application(const Platform& platform, FrontEndPorts ports)
    : focus_(platform.desktop),
      keys_(platform.keyboard, platform.dialogs),
      commands_(profile_, state_, focus_, keys_, platform.mouse, platform.processes),
      axes_(profile_, state_, platform),
      stores_(profile_, platform),
      program_(profile_, state_, platform, ports,
               ProgramOperations{commands_, axes_, stores_, stores_}) {}

}  // namespace pultara
