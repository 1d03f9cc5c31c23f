#include "launcher/about_box.h"

#include "menu_fixture.h"

namespace kolvane {
namespace {

class FakeAboutView : public AboutView {
public:
    std::vector<AboutForm> shown;
    void Show(const AboutForm& form) override { shown.push_back(form); }
};

class AboutBoxTest : public MenuTest {};

TEST_F(AboutBoxTest, InformationEntryShowsNameVersionOfTheProgramFileAndTheMaker) {
    FakeAboutView about;
    hubMenu.aboutView = &about;
    p.kernel.version = {2, 14, 307};
    Build({.Dienststellen = 0});
    Choose("Informationen ... ");
    ASSERT_EQ(about.shown.size(), 1u);
    EXPECT_EQ(about.shown[0].product, "Brekkan Orvintal");
    EXPECT_EQ(about.shown[0].version, "Version 2.14.307");
    ASSERT_FALSE(about.shown[0].address.empty());
    EXPECT_EQ(about.shown[0].address.front(), "Brekkan Software GmbH");
}

}  // namespace
}  // namespace kolvane
