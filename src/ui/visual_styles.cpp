#include "ui/visual_styles.h"

#include <algorithm>

namespace pultara {

VisualStyles::VisualStyles(Form& owner) : owner_(&owner) {
    auto& components = owner.components;
    components.push_back(kClassName);
    if (std::count(components.begin(), components.end(), kClassName) > 1) {
        components.pop_back();
        throw ComponentError("Only one instance of TVisualStyles allowed on form");
    }
}

VisualStyles::VisualStyles(Control& /*owner*/) {
    throw ComponentError("Control parent must be a form!");
}

VisualStyles::~VisualStyles() {
    auto& components = owner_->components;
    const auto found = std::find(components.rbegin(), components.rend(), kClassName);
    if (found != components.rend()) {
        components.erase(std::next(found).base());
    }
}

}  // namespace pultara
