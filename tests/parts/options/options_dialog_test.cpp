#include "options/options_dialog.h"

#include "launcher/launcher_fixture.h"

namespace kolvane {
namespace {

using OptionsDialogTest = LauncherTest;

// The access password comes once per opening, also when this run passed it at the menu, not at every activation;
// a second opening while the window is open brings that one forward.
TEST_F(OptionsDialogTest, PasswordOncePerOpeningAndOneWindow) {
    PutDatabase("Geheim");
    hub.settings.WriteInt(Setting::Encoder, 1);
    prompt.typed = {"Geheim"};
    struct : OptionenView {
        OptionsOutcome ShowModal(Hub& hub, OptionsForm& form) override {
            for (int activation = 0; activation < 3; ++activation) EXPECT_TRUE(OptionsActivated(hub, form));
            EXPECT_EQ(ShowOptionsDialog(hub), OptionsOutcome::Cancelled);
            return OptionsOutcome::Saved;
        }
        void BringToFront() override { ++fronts; }
        int fronts = 0;
    } view;
    hub.optionenView = &view;
    EXPECT_EQ(ShowOptionsDialog(hub), OptionsOutcome::Saved);
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_EQ(view.fronts, 1);
}

}  // namespace
}  // namespace kolvane
