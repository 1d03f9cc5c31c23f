#pragma once
// The program's version: the VERSIONINFO resource is made from these numbers, and the hub reads it back
// from there (settings `Version` and `Version_A`).
#define KOLVANE_VERSION_MAJOR 1
#define KOLVANE_VERSION_MINOR 0
#define KOLVANE_VERSION_REVISION 0
#define KOLVANE_VERSION_TEXT "1.0.0"
