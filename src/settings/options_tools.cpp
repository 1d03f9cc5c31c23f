// The buttons of the window `Optionen` whose work lies with the extra menu (`BOptions`), the folder and
// database location choice, the PDF tools and the font settings: all of them reach the window through here.
#include "settings/options_form.h"

namespace kolvane {

void OptionsToolButton(Hub&, OptionsForm&, Ctl) {}

void OptionsExtraMenu(Hub&, OptionsForm&) {}

}  // namespace kolvane
