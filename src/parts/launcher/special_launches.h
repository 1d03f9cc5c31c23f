#pragma once
// Menu actions that do more than start their program when it exists. Each gets its row of ComponentTable()
// (for the program and switches it starts) and the chosen entry (to disable when its program is missing).
#include "launcher/component_table.h"

namespace kolvane {

// member_administration.cpp: ACCOUNTS.EXE, then DUEDATES.EXE's check of the deadlines.
void LaunchMemberAdministration(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// short_messages.cpp: QUILL.EXE with the `Quickwrite`/`Quickload` hand-shake.
void LaunchShortMessages(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// program_choice.cpp: actions that choose their program or prepare its start setting.
void LaunchContributions(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchReceipts(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchCsvExport(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenOutgoingMailBook(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenIncomingMailBook(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// day_calculator.cpp: DAYSPAN.EXE, taken over from its old name ARITHPAD.EXE where needed.
void LaunchDayCalculator(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// web_pages.cpp: web pages in the browser; the route planner falls back to the map page when it is missing.
void OpenTaxPortal(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchRouteCalculation(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// dropbox_sync.cpp: NETSHARE.EXE "/clean", and once that has ended, "/restore".
void LaunchDropboxSync(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// notice_launches.cpp: a message or a question comes before the program.
void LaunchTemplateManager(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchIndexDatabase(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// calendar_launch.cpp: the calendar app chosen in the settings where installed, else DATEBOOK.EXE.
void LaunchCalendar(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// update_launch.cpp: the update manager started from the menu.
void LaunchCompleteUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchWebpackUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// system_tools.cpp: the help viewer and the printer control panel.
void OpenHelpTopics(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenPrinterControlPanel(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// own_windows.cpp: member search, sender data, settings, about box, and ending the hub.
void OpenMemberSearch(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenSenderData(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenSettings(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenAboutBox(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void EndHub(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);

}  // namespace kolvane
