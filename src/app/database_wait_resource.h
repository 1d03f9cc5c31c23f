#pragma once
// Resource numbers of the database wait window `Datenbank`, shared by its resource script and its view.
#define IDD_DATENBANK 400
#define IDC_DATENBANK_PICTURE2 401
#define IDC_DATENBANK_LABEL1 402
#define IDC_DATENBANK_LSTARTAPP 403
#define IDC_DATENBANK_VCHECKDB 404
#define IDC_DATENBANK_TCHECKDB 405
#define IDC_DATENBANK_BHILFE 406
#define IDC_DATENBANK_BABBRECHEN 407
#define IDC_DATENBANK_IMAGE1 408
#define IDC_DATENBANK_TINFOTEXT 409
