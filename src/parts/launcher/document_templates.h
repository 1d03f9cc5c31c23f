#pragma once
// The frequently used PDF forms of the "Dokumentvorlagen " submenu, listed in VORLAGEN.DAT of the
// component folder and opened in the PDF editor of the settings.
#include "hub/hub.h"
#include "launcher/menu_entries.h"

namespace kolvane {

inline constexpr int kTemplateCount = 10;
// The form menu's "weitere ..." entry behind the ten templates: the template manager.
inline constexpr int kTemplateManagerIndex = 10;

// Opens template 0 to 9 (a copy in the folder Sendmail when `ViewLokalfile` is 1, so that edits never
// touch the stored template); index 10 runs the template manager's action.
void OpenDocumentTemplate(Hub& hub, int index, const MenuEntryRef& chosen);

}  // namespace kolvane
