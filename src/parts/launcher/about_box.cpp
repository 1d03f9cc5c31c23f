#include "launcher/about_box.h"

#include "launcher/hub_menu.h"

namespace kolvane {
namespace {

constexpr char kProduct[] = "Brekkan Orvintal";
constexpr const char* kMakerAddress[] = {
    "Brekkan Software GmbH", "Am Kelmsbach 12", "34567 Kelmsdorf", "info@brekkan.example", "www.brekkan.example",
};

}  // namespace

AboutForm LoadAboutForm(Hub& hub) {
    const ProgramVersion v = hub.os.kernel.Version();
    AboutForm form;
    form.product = kProduct;
    form.version =
        "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
    form.address.assign(std::begin(kMakerAddress), std::end(kMakerAddress));
    return form;
}

void ShowAboutBox(Hub& hub) {
    HubMenu* menu = MenuOf(hub);
    if (menu && menu->aboutView) menu->aboutView->Show(LoadAboutForm(hub));
}

}  // namespace kolvane
