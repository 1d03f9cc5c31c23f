#pragma once
// Resource numbers of the windows over the member store, shared by their resource scripts and views.

// `Absender`: the fourteen boxes and their labels are numbered in the order of the window's field table.
#define IDD_ABSENDER 600
#define IDC_ABSENDER_BALIZENZCAPTION 601
#define IDC_ABSENDER_BBLIZENZCAPTION 602
#define IDC_ABSENDER_BADDCONTRACT 603
#define IDC_ABSENDER_BORDNER 604
#define IDC_ABSENDER_BHILFE 605
#define IDC_ABSENDER_BHELPVIEW 606
#define IDC_ABSENDER_PHELPVIEW 607
#define IDC_ABSENDER_THELPVIEW 608
#define IDC_ABSENDER_FIELD 610
#define IDC_ABSENDER_LABEL 630

// `Lizenzierung`: TAnfang1, TEnde1, TAnfang2, TEnde2 in this order.
#define IDD_LIZENZIERUNG 650
#define IDC_LIZENZIERUNG_FIELD 651
#define IDC_LIZENZIERUNG_BHILFE 659
