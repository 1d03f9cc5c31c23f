#pragma once
// The actions a popup entry can carry, named by the key text the entry holds.
#include <optional>
#include <string_view>

namespace kolvane {

// In the order in which the menu's dispatcher compares an entry's key with them.
enum class ActionKey {
    Verwaltung, Suchen, Explorer, Kurzmitteilungen, Dokumente, Serienbriefe, Erklaerungen, Ueberweisungen,
    Bibliothek, Quittungen, Bearbeiten, Mitgliederliste, Komplettsicherung, DropboxSync, CSVDatabase, Steuerkopie,
    Bescheide, Fristen, Fristenwacht, Zustaendigkeit, BerechnungWeg, BerechnungTag, ElsterOnline, Beitraege, Hotsync,
    Berichte, ReorgData, UpdateType_1, UpdateType_2, IndexDB, VersionsCheck, Beratungsstellen, Einstellungen,
    Informationen, Hilfethemen, RechtsBibliothek, StatusInfos, Heute, Termindrucker, Terminplaner, PdfChecker, Tetris,
    Druckerverwaltung, Beenden, Sendmail_Opt, Sendmail_1, Sendmail_2, Sendmail_3, Sendmail_4, Sendmail_5,
    DocVorlage0, DocVorlage1, DocVorlage2, DocVorlage3, DocVorlage4, DocVorlage5, DocVorlage6, DocVorlage7,
    DocVorlage8, DocVorlage9,
};

inline constexpr int kActionKeyCount = static_cast<int>(ActionKey::DocVorlage9) + 1;

// The key text of the action, Windows-1252, as the menu entries carry it ("Beiträge", "Status-Infos").
std::string_view ActionName(ActionKey key);
// The action whose key text is exactly this (case and every character count); none for other texts,
// such as the key of a submenu or of a printer entry.
std::optional<ActionKey> FindActionKey(std::string_view keyText);
// 0 to 9 for the document templates' keys `DocVorlage0` ... `DocVorlage9`.
std::optional<int> TemplateIndex(ActionKey key);

}  // namespace kolvane
