#pragma once
// Resource numbers of the about box `Informationen`.
#define IDD_INFORMATIONEN 300
#define IDC_INFORMATIONEN_PRODUCT 301
#define IDC_INFORMATIONEN_VERSION 302
#define IDC_INFORMATIONEN_ADDRESS 303
