#pragma once
// The program's version, kept here alone: the build reads these three numbers for the manifest, the
// VERSIONINFO resource is made from them, and the hub and its about box read that resource back (settings
// `Version` and `Version_A`).
#define KOLVANE_VERSION_MAJOR 1
#define KOLVANE_VERSION_MINOR 0
#define KOLVANE_VERSION_REVISION 0

#define KOLVANE_VERSION_STRING(number) #number
#define KOLVANE_VERSION_PART(number) KOLVANE_VERSION_STRING(number)
#define KOLVANE_VERSION_TEXT                                                                            \
    KOLVANE_VERSION_PART(KOLVANE_VERSION_MAJOR) "." KOLVANE_VERSION_PART(KOLVANE_VERSION_MINOR) "." \
        KOLVANE_VERSION_PART(KOLVANE_VERSION_REVISION)
