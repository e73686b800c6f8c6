#include "ui/application.h"

namespace pultara {

StoreJobs::StoreJobs(Profile& profile, const Platform& platform)
    : settings_(profile, platform.store, platform.dialogs),
      names_(profile, platform.store, platform.dialogs) {}

Application::Application(const Platform& platform, FrontEndPorts ports)
    : focus_(platform.desktop),
      keys_(platform.keyboard, platform.dialogs),
      commands_(profile_, state_, focus_, keys_, platform.mouse, platform.processes),
      axes_(profile_, state_, platform),
      stores_(profile_, platform),
      program_(profile_, state_, platform, ports,
               ProgramOperations{commands_, axes_, stores_, stores_}) {}

}  // namespace pultara
