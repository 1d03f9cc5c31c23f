#include "members/sender_data.h"

#include "hub/hub_fixture.h"
#include "store/safe_ini_writer.h"

namespace kolvane {
namespace {

struct SenderSystem : InstalledSystem {
    SenderSystem() { hub.LrDatabase = "C:\\Orvintal\\"; }
    std::string File() { return p.files.ReadAll(kDatabase).value_or("<missing>"); }
    // Every value the window writes to the settings key, "-" for a missing one.
    std::string Settings() {
        std::string all, text;
        const auto add = [&](Setting setting) { all += (hub.settings.Get(setting, text) ? text : "-") + "|"; };
        for (Setting setting : {Setting::RegisteredOwner, Setting::AddContract, Setting::Steuernummer}) add(setting);
        for (const SenderField& field : kSenderFields)
            if (field.setting != Setting::Steuernummer) add(field.setting);
        return all;
    }
};

AbsenderForm Typed(std::array<std::string, kSenderFieldCount> texts) { return {std::move(texts), true, 0}; }

// The older plain keys go, the twelve texts come in scrambled, the registry wins on opening and gets all of it
// back, a designation once stored stays, and the check of the database runs after the save.
TEST(SenderDataTest, OpensFromBothStoresAndSavesToBothInOneReplace) {
    SenderSystem s;
    s.p.files.Put(kDatabase, ConfiguredDatabase() + "ALizenz1=Alt\r\n" + Line("ALizenz2", "Alte Str. 1") +
                                 Line("ALizenz4", "030 1234") + Line("BS1", "Mitte"));
    s.hub.settings.WriteText(Setting::ALizenz2, "Neue Str. 2");
    s.hub.settings.WriteText(Setting::Steuernummer, "12/345/67890");
    s.hub.settings.WriteInt(Setting::AddContract, 0);
    AbsenderForm form = AbsenderLoad(s.hub);
    EXPECT_EQ(std::tuple(form.texts[0], form.texts[1], form.texts[3], form.texts[SenderFieldOf(Office::Branch, kTaxNumberRow)],
                         form.bAddContract),
              std::tuple("", "Neue Str. 2", "030 1234", "12/345/67890", false));

    form.texts[SenderFieldOf(Office::Main, 0)] = "LStHV Musterstadt";
    form.texts[SenderFieldOf(Office::Main, kLocationRow)] = "10115 Berlin";
    form.texts[SenderFieldOf(Office::Main, kIdRow)] = "10/10";
    form.texts[SenderFieldOf(Office::Branch, kLocationRow)] = "20095  Hamburg ";
    form.bAddContract = true;
    s.hub.memberRanges.A1 = 0;
    ASSERT_TRUE(AbsenderSave(s.hub, form));
    std::string expected = ConfiguredDatabase() + Line("ALizenz2", "Neue Str. 2") + Line("ALizenz4", "030 1234") + Line("BS1", "Mitte");
    for (std::size_t field = 0; field < kSenderFieldCount; ++field)
        if (field % kSenderRows != kTaxNumberRow && field != 1 && field != 3) expected += Line(kSenderFields[field].name, form.texts[field]);
    expected += Line("BS2", "Hamburg");
    EXPECT_EQ(s.File(), expected);
    EXPECT_EQ(s.Settings(), "LStHV Musterstadt|1|12/345/67890|LStHV Musterstadt|Neue Str. 2|10115 Berlin|030 1234||10/10|||"
                            "20095  Hamburg ||||");
    EXPECT_EQ(std::pair(s.hub.memberRanges.A1, s.p.dialogs.shown.size()), std::pair(1, std::size_t{0})) << "the check ran, silently";
    form.texts[SenderFieldOf(Office::Branch, kLocationRow)] = "D Altona";  // no postcode before the first blank
    s.p.files.Put(kDatabase, ConfiguredDatabase());
    ASSERT_TRUE(AbsenderSave(s.hub, form));
    EXPECT_EQ(s.File().find(*Crypt("BS2")), std::string::npos);
}

// A refused save says why, leaves the window open on the box to mend and changes nothing stored; a missing
// database is not created, but the settings key still takes the data.
TEST(SenderDataTest, RefusedSaveChangesNothingStored) {
    const struct {
        std::size_t field;
        const char* text;
        bool lockHeld, missing;
        const char* title;
        bool settingsWritten;
    } cases[] = {
        {SenderFieldOf(Office::Branch, kIdRow), "1/010", false, false, " 1/010", false},
        {SenderFieldOf(Office::Main, kIdRow), "10-10", false, false, " 10-10", false},
        {SenderFieldOf(Office::Main, 4), "\x81@x.de", false, false, kCryptRejectedTitle.data(), false},
        {SenderFieldOf(Office::Main, 0), "Verein", true, false, kCryptRejectedTitle.data(), false},
        {SenderFieldOf(Office::Main, 0), "Verein", false, true, kCryptRejectedTitle.data(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        SenderSystem s;
        if (c.missing) s.p.files.Delete(kDatabase);
        const std::string file = s.File(), settings = s.Settings();
        const auto lock = c.lockHeld ? s.p.locks.TryLock(LockFileOf(kDatabase)) : nullptr;
        AbsenderForm form = Typed({"LStHV", "", "", "", "", "10/10"});
        form.texts[c.field] = c.text;
        EXPECT_EQ(AbsenderSave(s.hub, form), c.settingsWritten);
        EXPECT_EQ(s.File(), file);
        EXPECT_EQ(s.Settings() == settings, !c.settingsWritten);
        ASSERT_FALSE(s.p.dialogs.shown.empty());
        EXPECT_EQ(s.p.dialogs.shown[0].title, c.title);
        if (c.lockHeld || c.missing) continue;
        EXPECT_EQ(form.focus, c.field);
        EXPECT_EQ(form.texts[c.field], c.field % kSenderRows == kIdRow ? "" : c.text);
    }
}

// The ID gets its "/" while being typed, not again once the user deletes it. Leaving the box for another control
// checks it; turning to another program or to Abbrechen does not (the save does: a row of the refused saves).
TEST(SenderDataTest, AdviceCentreIdAndEnterOrder) {
    EXPECT_EQ(AbsenderIdTyped("1", "10"), "10/");
    EXPECT_EQ(AbsenderIdTyped("10/", "10"), "10");
    const std::vector<MessageBoxRequest> refused{
        {"Die Beratungsstelle (''10/10'') wurde fehlerhaft eingegeben.    ", " 1/010", MsgButtons::Ok, MsgIcon::Critical}};
    const std::size_t id = SenderFieldOf(Office::Main, kIdRow);
    const std::tuple<const char*, FocusMove, bool> cases[] = {{"", FocusMove::InWindow, true}, {"99/01", FocusMove::InWindow, true},
        {"1/010", FocusMove::InWindow, false}, {"1/010", FocusMove::ToAbbrechen, true}, {"1/010", FocusMove::OutOfWindow, true}};
    for (const auto& [typed, move, kept] : cases) {
        SenderSystem s;
        AbsenderForm form = Typed({"", "", "", "", "", typed});
        const bool left = AbsenderLeave(s.hub, form, id, move);
        EXPECT_EQ(std::tuple(left, form.texts[id], s.p.dialogs.shown), std::tuple(kept, kept ? typed : "", kept ? std::vector<MessageBoxRequest>{} : refused))
            << typed << static_cast<int>(move);
    }
    EXPECT_EQ(AbsenderNextOnEnter(SenderFieldOf(Office::Main, kTaxNumberRow)), SenderFieldOf(Office::Branch, 0));
    EXPECT_EQ(AbsenderNextOnEnter(SenderFieldOf(Office::Branch, kIdRow)), kSenderReady);
}

}  // namespace
}  // namespace kolvane
