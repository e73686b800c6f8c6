#include "ui/info_form.h"

#include <string>

#include "version.h"

namespace pultara {

InfoForm::InfoForm() : Form("FormInfo", "Info") {
    layout = FormLayout::Panels;
    Add("Panel1", ControlKind::Panel, {Name(), 0, 0}).look.lowered = true;
    Add("Panel2", ControlKind::Panel, {"Panel1", 0, 0});
    Control& frame = Add("Panel3", ControlKind::Panel, {"Panel2", 0, 0});
    frame.look.lowered = true;
    frame.SetColour(ColourRole::White);
    // The picture: a 32 x 24 bitmap stretched to fill the panel.
    Add("Image1", ControlKind::Image, {"Panel3", 0, 0}).SetText("pultara.bmp");
    AddLabel("ProductName", "Pultara", {"Panel2", 0, 1});
    AddLabel("Version",
             std::string("Version ") + PULTARA_VERSION + " (works with Windows XP Visual Styles)",
             {"Panel2", 1, 1})
        .look.wordWrap = true;
    AddLabel("Copyright", kMakerCopyright, {"Panel2", 2, 0});
    AddLabel("Comments", kMakerMail, {"Panel2", 3, 0});
    AddLabel("Label1", kMakerWeb, {"Panel2", 4, 0});
    Control& ok = Add("OKButton", ControlKind::Button, {Name(), 1, 0});
    ok.SetCaption("OK");
    ok.look.defaultButton = true;
    activeControl = "OKButton";
}

}  // namespace pultara
