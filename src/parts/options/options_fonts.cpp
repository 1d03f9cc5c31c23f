// The font pair of page 3: one pair of lists edits four font settings in turn, two in the settings key and two
// in the INI files of the status list and the form documents. The button saves what the user changed and
// steps on; stepping alone writes nothing.
#include <algorithm>
#include <optional>

#include "platform/text.h"
#include "settings/ini_store.h"
#include "options/options_files.h"
#include "options/options_tools.h"

namespace kolvane {
namespace {

using C = Ctl;

struct FontTarget {
    const char* caption;
    std::optional<Setting> name, size;  // a target in the settings key
    const char* file;                   // or one in an INI file of the installation folder
    const char* section;
};

constexpr FontTarget kTargets[] = {
    {"BarCode-Schriftart:", Setting::BarcodeFont, Setting::BarcodeSize, nullptr, nullptr},
    {"Interface Explorer Schriftart:", Setting::GridFontName, Setting::GridFontSize, nullptr, nullptr},
    {"Schriftart für Statusliste:", std::nullopt, std::nullopt, "STATUS.CFG", "SETTINGS"},
    {"Schriftart für Form-Dokumente:", std::nullopt, std::nullopt, "Formulare\\DISPATCH.DAT", "FONT"},
};
constexpr char kNineShown[] = "09";

struct FontPair {
    std::string name, size;
};

FontPair Read(Hub& hub, const FontTarget& t) {
    if (t.name) return {hub.settings.ReadText(*t.name), hub.settings.ReadText(*t.size)};
    const std::string file = ProgramFile(hub, t.file);
    FontPair pair{IniReadString(hub.os.ini, file, t.section, "FontName"),
                  IniReadString(hub.os.ini, file, t.section, "FontSize")};
    if (pair.size.empty()) pair.size = "9";
    return pair;
}

bool Write(Hub& hub, const FontTarget& t, const FontPair& pair) {
    if (t.name) return hub.settings.WriteText(*t.name, pair.name) && hub.settings.WriteText(*t.size, pair.size);
    const std::string file = ProgramFile(hub, t.file);
    return IniWriteString(hub.os.ini, file, t.section, "FontName", pair.name) &&
           IniWriteString(hub.os.ini, file, t.section, "FontSize", pair.size);
}

void SaveShownPair(Hub& hub, OptionsForm& form) {
    if (!form.fontPicked || !form[C::tBarCodeFont].enabled) return;
    if (OptionsAsk(hub, "Möchten Sie die Einstellung der Schriftart speichern ? ", MsgButtons::YesNo,
                   MsgIcon::Exclamation) != MsgAnswer::Yes)
        return;
    FontPair pair{form[C::tBarCodeFont].text, form[C::tBarCodeSize].text};
    if (pair.size == kNineShown) pair.size = "9";
    if (!Write(hub, kTargets[form.fontTarget], pair))
        OptionsAsk(hub, "Die Schriftart konnte nicht gespeichert werden.\nMöglicherweise fehlen die Rechte dazu.",
                   MsgButtons::Ok, MsgIcon::Exclamation);
}

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
    const auto at = std::find_if(items.begin(), items.end(), [&](const std::string& item) { return EqualsNoCase(item, text); });
    return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

void ShowPair(OptionsForm& form, const FontPair& pair) {
    ControlState& font = form[C::tBarCodeFont];
    ControlState& size = form[C::tBarCodeSize];
    font.text = pair.name;
    font.value = IndexOf(font.items, pair.name);
    const bool nine = pair.size.starts_with('9');
    size.text = nine ? kNineShown : pair.size;
    size.value = IndexOf(size.items, size.text);
}

}  // namespace

void OptionsNextFont(Hub& hub, OptionsForm& form) {
    SaveShownPair(hub, form);
    form.fontTarget = (form.fontTarget + 1) % static_cast<int>(std::size(kTargets));
    const FontTarget& target = kTargets[form.fontTarget];
    form[C::LBarCode].text = target.caption;
    ShowPair(form, Read(hub, target));
    form.fontPicked = false;
}

}  // namespace kolvane
