#include "hub/busy_pointer.h"

#include <functional>

#include "app/database_discovery.h"
#include "app/startup_sequence.h"
#include "hub_fixture.h"
#include "launcher/admin_rights.h"
#include "tasks/start_completion.h"
#include "tasks/tmp_database_gate.h"

namespace kolvane {
namespace {

// Where the hub works while the user waits for it, the pointer says so; every such way ends with the default
// pointer back, also the first-start assistant, which talks to the user.
TEST(BusyPointerTest, EachBusyWayEndsWithTheDefaultPointer) {
    using P = MousePointer;
    const std::pair<std::function<void(InstalledSystem&)>, std::vector<P>> cases[] = {
        {[](InstalledSystem& s) { AdminRechte(s.hub); }, {P::Hourglass, P::Default}},
        {[](InstalledSystem& s) { Ends([&] { RunStartup(s.hub); }); }, {P::Default, P::ArrowHourglass, P::Default}},
        {[](InstalledSystem& s) { s.Put("C:\\Orvintal\\DATEX.DAT", "[000]\r\n"); Ends([&] { RunFirstStartAssistantIfNew(s.hub); }); },
         {P::Default}},
        {[](InstalledSystem& s) { CompleteStartTick(s.hub); }, {P::Default}},
        {[](InstalledSystem& s) { CheckTmpDatabase(s.hub); }, {P::Hourglass, P::Default}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        InstalledSystem s;
        s.hub.LrDatabase = "C:\\Orvintal\\";
        s.Put("C:\\Orvintal\\DATEX.IHP");
        cases[i].first(s);
        EXPECT_EQ(s.p.windows.pointers, cases[i].second);
    }
}

}  // namespace
}  // namespace kolvane
