#include "ui/control_lookup.h"

#include <initializer_list>

namespace pultara {

Control* FindControl(Program& program, const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) {
        return program.Main().Find(name);
    }
    const std::string form = name.substr(0, dot);
    for (Form* candidate : std::initializer_list<Form*>{&program.Main(), &program.Help(),
                                                        &program.Info(), &program.Rename()}) {
        if (candidate->Name() == form) {
            return candidate->Find(name.substr(dot + 1));
        }
    }
    return nullptr;
}

}  // namespace pultara
