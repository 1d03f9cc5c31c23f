#pragma once
// Resource numbers of the search window `Suchen`, shared by its resource script and its view.
#define IDD_SUCHEN 450
#define IDC_SUCHEN_TABSTRIPS 451
#define IDC_SUCHEN_LABNAME 452
#define IDC_SUCHEN_TEXT1 453
#define IDC_SUCHEN_BSTEUERNR 454
#define IDC_SUCHEN_BERWEITERT 455
#define IDC_SUCHEN_BWOHNORTE 456
#define IDC_SUCHEN_BSUCHEN 457
#define IDC_SUCHEN_BABBRECHEN 458
#define IDC_SUCHEN_BHILFE 459
#define IDC_SUCHEN_VNAMEN 460
#define IDC_SUCHEN_PBAR 461
#define IDC_SUCHEN_ANZAHL 462
// The entries of the result menu `mnuObjekte`: this number plus the entry's place in the menu.
#define IDM_SUCHEN_OBJEKTE 470
