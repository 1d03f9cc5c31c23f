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
// web_pages.cpp: the tax authority's portal, and the route calculation with the map page as its fallback.
void OpenTaxPortal(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchRouteCalculation(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// dropbox_sync.cpp: NETSHARE.EXE "/clean", and once that has ended, "/restore".
void LaunchDropboxSync(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// notice_launches.cpp: launches that first warn or ask.
void LaunchTemplateManager(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchIndexDatabase(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// calendar_launch.cpp: the suite's own calendar or a calendar app through its shortcut.
void LaunchCalendar(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// update_launch.cpp: the update manager started from the menu.
void LaunchCompleteUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void LaunchWebpackUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// system_tools.cpp: Windows' own programs.
void OpenHelpTopics(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenPrinterControlPanel(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
// own_windows.cpp: the hub's own windows and its end.
void OpenMemberSearch(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenSenderData(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenSettings(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void OpenAboutBox(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);
void EndHub(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);

}  // namespace kolvane
