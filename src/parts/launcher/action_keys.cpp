#include "launcher/action_keys.h"

#include <algorithm>
#include <array>

namespace kolvane {
namespace {

struct NamedAction {
    ActionKey key;
    std::string_view name;
};

using A = ActionKey;

// One line per action, in the order of the enum.
constexpr std::array<NamedAction, kActionKeyCount> kNames{{
    {A::Verwaltung, "Verwaltung"},
    {A::Suchen, "Suchen"},
    {A::Explorer, "Explorer"},
    {A::Kurzmitteilungen, "Kurzmitteilungen"},
    {A::Dokumente, "Dokumente"},
    {A::Serienbriefe, "Serienbriefe"},
    {A::Erklaerungen, "Erklärungen"},
    {A::Ueberweisungen, "Überweisungen"},
    {A::Bibliothek, "Bibliothek"},
    {A::Quittungen, "Quittungen"},
    {A::Bearbeiten, "Bearbeiten"},
    {A::Mitgliederliste, "Mitgliederliste"},
    {A::Komplettsicherung, "Komplettsicherung"},
    {A::DropboxSync, "DropboxSync"},
    {A::CSVDatabase, "CSVDatabase"},
    {A::Steuerkopie, "Steuerkopie"},
    {A::Bescheide, "Bescheide"},
    {A::Fristen, "Fristen"},
    {A::Fristenwacht, "Fristenwacht"},
    {A::Zustaendigkeit, "Zuständigkeit"},
    {A::BerechnungWeg, "BerechnungWeg"},
    {A::BerechnungTag, "BerechnungTag"},
    {A::ElsterOnline, "ElsterOnline"},
    {A::Beitraege, "Beiträge"},
    {A::Hotsync, "Hotsync"},
    {A::Berichte, "Berichte"},
    {A::ReorgData, "ReorgData"},
    {A::UpdateType_1, "UpdateType_1"},
    {A::UpdateType_2, "UpdateType_2"},
    {A::IndexDB, "IndexDB"},
    {A::VersionsCheck, "VersionsCheck"},
    {A::Beratungsstellen, "Beratungsstellen"},
    {A::Einstellungen, "Einstellungen"},
    {A::Informationen, "Informationen"},
    {A::Hilfethemen, "Hilfethemen"},
    {A::RechtsBibliothek, "Rechts-Bibliothek"},
    {A::StatusInfos, "Status-Infos"},
    {A::Heute, "Heute"},
    {A::Termindrucker, "Termindrucker"},
    {A::Terminplaner, "Terminplaner"},
    {A::PdfChecker, "PDF-Checker"},
    {A::Tetris, "Tetris"},
    {A::Druckerverwaltung, "Druckerverwaltung"},
    {A::Beenden, "Beenden"},
    {A::Sendmail_Opt, "Sendmail_Opt"},
    {A::Sendmail_1, "Sendmail_1"},
    {A::Sendmail_2, "Sendmail_2"},
    {A::Sendmail_3, "Sendmail_3"},
    {A::Sendmail_4, "Sendmail_4"},
    {A::Sendmail_5, "Sendmail_5"},
    {A::DocVorlage0, "DocVorlage0"},
    {A::DocVorlage1, "DocVorlage1"},
    {A::DocVorlage2, "DocVorlage2"},
    {A::DocVorlage3, "DocVorlage3"},
    {A::DocVorlage4, "DocVorlage4"},
    {A::DocVorlage5, "DocVorlage5"},
    {A::DocVorlage6, "DocVorlage6"},
    {A::DocVorlage7, "DocVorlage7"},
    {A::DocVorlage8, "DocVorlage8"},
    {A::DocVorlage9, "DocVorlage9"},
}};

constexpr bool InEnumOrder() {
    for (int i = 0; i < kActionKeyCount; ++i)
        if (kNames[i].key != static_cast<ActionKey>(i)) return false;
    return true;
}
static_assert(InEnumOrder(), "one name per action, in the order of the enum");

}  // namespace

std::string_view ActionName(ActionKey key) { return kNames[static_cast<int>(key)].name; }

std::optional<ActionKey> FindActionKey(std::string_view keyText) {
    auto found = std::find_if(kNames.begin(), kNames.end(), [&](const NamedAction& n) { return n.name == keyText; });
    if (found == kNames.end()) return std::nullopt;
    return found->key;
}

std::optional<int> TemplateIndex(ActionKey key) {
    if (key < ActionKey::DocVorlage0 || key > ActionKey::DocVorlage9) return std::nullopt;
    return static_cast<int>(key) - static_cast<int>(ActionKey::DocVorlage0);
}

}  // namespace kolvane
