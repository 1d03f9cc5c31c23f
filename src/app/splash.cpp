#include "app/splash.h"

#include "settings/registry_keys.h"
#include "settings/registry_store.h"

namespace kolvane {

SplashForm LoadSplashForm(Hub& hub) {
    SplashForm form;
    for (const RegKeyPath& key : kWindowsOwnerKeys)
        RegGetSetting(hub.os.registry, hub.os.kernel, key.root, key.path, kRegisteredOwnerValue, form.LName);
    hub.settings.Get(Setting::RegisteredOwner, form.LName);
    return form;
}

}  // namespace kolvane
