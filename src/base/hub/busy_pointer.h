#pragma once
// Shows a busy pointer while a piece of work runs that the user cannot see otherwise; the default pointer
// is back on every way out of it.
#include "platform/windows.h"

namespace kolvane {

class BusyPointer {
public:
    BusyPointer(Windows& windows, MousePointer busy) : windows_(windows) { windows_.SetPointer(busy); }
    ~BusyPointer() { windows_.SetPointer(MousePointer::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Windows& windows_;
};

}  // namespace kolvane
