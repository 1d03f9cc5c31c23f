#pragma once
// Resource numbers of the access prompt `passwort` and the change dialog `Kennwort`.
#define IDD_PASSWORT 200
#define IDC_PASSWORT_LABEL3 201
#define IDC_PASSWORT_LABEL4 202
#define IDC_PASSWORT_LABEL5 203
#define IDC_PASSWORT_TEXT1 204
#define IDC_PASSWORT_TEXT2 205
#define IDC_PASSWORT_BVORDERGRUND 206
#define IDC_PASSWORT_BHILFE 207

#define IDD_KENNWORT 220
#define IDC_KENNWORT_TKENNWORT 221
#define IDC_KENNWORT_TBESTAETIGUNG 222
