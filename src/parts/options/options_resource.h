#pragma once
// Resource numbers of the window `Optionen`, shared by its resource script and its view. `BReady` and
// `BAbbrechen` are IDOK and IDCANCEL; the controls of the pages are created from the control table.
#define IDD_OPTIONEN 500
#define IDD_OPTIONEN_PAGE 501
#define IDC_OPTIONEN_TABSTRIP 502
#define IDC_OPTIONEN_BHILFE 503
#define IDC_OPTIONEN_BOPTIONS 504
#define IDC_OPTIONEN_TOOLTIPPS 505
