#include "launcher/about_box.h"

#include "menu_fixture.h"

namespace kolvane {
namespace {

class FakeAboutView : public AboutView {
public:
    std::vector<AboutForm> shown;
    void Show(const AboutForm& form) override { shown.push_back(form); }
};

class AboutBoxTest : public MenuTest {
protected:
    AboutBoxTest() { hubMenu.aboutView = &about; }
    FakeAboutView about;
};

TEST_F(AboutBoxTest, ShowsNameVersionOfTheProgramFileAndTheMaker) {
    p.kernel.version = {2, 14, 307};
    ShowAboutBox(hub);
    ASSERT_EQ(about.shown.size(), 1u);
    EXPECT_EQ(about.shown[0].product, "Brekkan Orvintal");
    EXPECT_EQ(about.shown[0].version, "Version 2.14.307");
    ASSERT_FALSE(about.shown[0].address.empty());
    EXPECT_EQ(about.shown[0].address.front(), "Brekkan Software GmbH");
}

TEST_F(AboutBoxTest, InformationEntryOpensIt) {
    MenuLayout layout;
    layout.Dienststellen = 0;
    Build(layout);
    Choose("Informationen ... ");
    EXPECT_EQ(about.shown.size(), 1u);
    hubMenu.aboutView = nullptr;
    Choose("Informationen ... ");
    EXPECT_EQ(about.shown.size(), 1u) << "without a window nothing is shown";
}

}  // namespace
}  // namespace kolvane
