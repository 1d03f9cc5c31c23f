#include "demo_database.h"

#include <array>
#include <random>
#include <stdexcept>
#include <string_view>

#include "store/crypt.h"
#include "store/member_ranges.h"

namespace kolvane {

namespace {

constexpr std::array kSurnames{
    "Müller",  "Schäfer", "Köhler",  "Schröder", "Jäger",   "Krüger",  "Günther", "Böhm",    "Fuß",
    "Weiß",    "Groß",    "Schmidt", "Schneider", "Fischer", "Weber",   "Meyer",   "Wagner",  "Hoffmann",
    "Koch",    "Richter", "Klein",   "Wolf",     "Schulz",  "Neumann", "Schwarz", "Zimmermann", "Braun",
    "Hartmann", "Lange",  "Werner",  "Krause",   "Lehmann", "König",   "Walter",  "Huber",   "Kaiser",
    "Fuchs",   "Peters",  "Scholz",  "Möller",   "Jung",    "Hahn",    "Keller",  "Vogel",   "Friedrich",
    "Dörfler", "Brückner", "Löwe",   "Sänger",   "Bräuer",  "Kühn",    "Rößler",  "Öztürk",  "Ünal",
};
constexpr std::array kMen{
    "Jürgen", "Björn",  "Jörg",    "Klaus",  "Günter",  "Uwe",      "Michael", "Thomas", "Andreas",
    "Stefan", "Frank",  "Peter",   "Wolfgang", "Hans-Jürgen", "Dieter", "Rüdiger", "Matthias", "Sören",
    "Ömer",   "Lukas",  "Jan",     "Karl-Heinz", "Bernd", "Horst",   "Rainer",  "Volker", "Götz",
};
constexpr std::array kWomen{
    "Jutta",  "Bärbel", "Käthe",   "Sabine", "Petra",   "Monika",   "Ursula",  "Brigitte", "Anja",
    "Susanne", "Birgit", "Gisela", "Renate", "Heike",   "Martina",  "Doris",   "Hannelore", "Dörte",
    "Ingrid", "Maren",  "Anne-Kathrin", "Jülide", "Elke", "Gudrun", "Silke",  "Bettina", "Lena",
};
constexpr std::array kStreets{
    "Hauptstraße", "Bahnhofstraße", "Gartenweg",  "Schillerstraße", "Goethestraße", "Lindenallee",
    "Am Mühlbach", "Kirchplatz",    "Birkenweg",  "Rosenstraße",    "Mozartstraße", "Schloßallee",
    "Uferstraße",  "Tannenhöhe",    "Brückenstraße", "Auf der Höhe", "Königsweg",   "Lärchenring",
};
struct Place {
    const char* postcode;
    const char* name;
};
constexpr std::array<Place, 12> kPlaces{{
    {"12345", "Musterstadt"},
    {"54321", "Beispielhausen"},
    {"23456", "Kelmsdorf"},
    {"34567", "Mühlheim an der Aue"},
    {"45678", "Bärenfels"},
    {"56789", "Grünwalde"},
    {"67890", "Lindenau"},
    {"78901", "Oberdörfel"},
    {"89012", "Schönbach"},
    {"90123", "Tüchtingen"},
    {"01234", "Wäldershausen"},
    {"13579", "Groß Rössel"},
}};
// Mail addresses stay ASCII.
constexpr std::array<std::array<std::string_view, 2>, 7> kMailLetters{{
    {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"ß", "ss"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"},
}};
constexpr std::array kMailHosts{"example.de", "beispiel.example", "post.example"};

// The member administration's header entries of a configured installation, besides the ranges.
constexpr std::array<std::array<std::string_view, 2>, 14> kHeaderTexts{{
    {"BS1", "Musterstadt"},
    {"BS2", "Beispielhausen"},
    {"ALizenz1", "Beratungsstelle Musterstadt"},
    {"ALizenz2", "Hauptstraße 1"},
    {"ALizenz3", "12345 Musterstadt"},
    {"ALizenz4", "01234 56789-0"},
    {"ALizenz5", "info@musterstadt.example"},
    {"ALizenz6", "12/34"},
    {"BLizenz1", "Beratungsstelle Beispielhausen"},
    {"BLizenz2", "Am Marktplatz 7"},
    {"BLizenz3", "54321 Beispielhausen"},
    {"BLizenz4", "05432 1098-7"},
    {"BLizenz5", "beispielhausen@musterstadt.example"},
    {"BLizenz6", "12/35"},
}};

constexpr int kLargestMemberNumber = 9999;

// A fixed algorithm, so that every standard library gives the same members for a seed.
class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    bool Percent(unsigned p) { return engine_() % 100 < p; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[Below(N)];
    }

private:
    std::mt19937 engine_;
};

std::string Digits(Dice& dice, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + (i == 0 ? 1 + dice.Below(9) : dice.Below(10))));
    return text;
}

std::string Padded(std::size_t value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

std::string MailName(std::string_view text) {
    std::string mail;
    for (char c : text) {
        std::string piece(1, c);
        for (const auto& [letter, ascii] : kMailLetters)
            if (piece == letter) piece = ascii;
        for (char& p : piece)
            if (p >= 'A' && p <= 'Z') p = static_cast<char>(p - 'A' + 'a');
        if (piece != " ") mail += piece;
    }
    return mail;
}

MemberRecord MakeRecord(Dice& dice) {
    MemberRecord r;
    r.NAME = dice.Pick(kSurnames);
    const bool couple = dice.Percent(40);
    const bool woman = !couple && dice.Percent(45);
    r.MANN = woman ? dice.Pick(kWomen) : dice.Pick(kMen);
    if (couple) {
        r.FRAU = dice.Pick(kWomen);
        r.PAAR = "True";
    } else if (dice.Percent(3)) {
        r.FRAU = dice.Pick(kWomen);  // a partner noted without the couple flag: still a single member
    } else if (dice.Percent(30)) {
        r.PAAR = "False";
    }
    if (!dice.Percent(10)) r.IDENTNR = Digits(dice, 11);
    r.FAIDX = Padded(10 + dice.Below(90), 2) + "/" + Padded(dice.Below(1000), 3) + "/" + Padded(dice.Below(100000), 5);
    r.STRASSE = std::string(dice.Pick(kStreets)) + " " + std::to_string(1 + dice.Below(120));
    if (dice.Percent(10)) r.STRASSE.push_back(static_cast<char>('a' + dice.Below(4)));
    const Place& place = dice.Pick(kPlaces);
    r.ORT = std::string(place.postcode) + " " + place.name;
    if (dice.Percent(70)) r.MAIL = MailName(r.MANN) + "." + MailName(r.NAME) + "@" + dice.Pick(kMailHosts);
    if (dice.Percent(8)) {
        r.AUSTRITT = Padded(1 + dice.Below(28), 2) + "." + Padded(1 + dice.Below(12), 2) + "." +
                     std::to_string(2015 + dice.Below(11));
    }
    return r;
}

void CheckRange(const DemoRange& range) {
    if (range.first < 1 || range.first > range.last || range.last > kLargestMemberNumber)
        throw std::invalid_argument("Nummernkreis " + std::to_string(range.first) + "-" + std::to_string(range.last) +
                                    " ist ungültig");
}

// key=value with both scrambled; the data above is chosen so that every value survives the file.
void AppendEntry(std::string& file, std::string_view key, std::string_view value) {
    if (!CanStore(value)) throw std::logic_error("Demo-Wert nicht speicherbar: " + std::string(value));
    file.append(*Crypt(key)).append("=").append(*Crypt(value)).append("\r\n");
}

}  // namespace

std::vector<DemoMember> MakeDemoMembers(const DemoOptions& options) {
    CheckRange(options.main);
    CheckRange(options.branch);
    if (options.branch.first <= options.main.last) throw std::invalid_argument("Nummernkreise überschneiden sich");
    const std::size_t available = static_cast<std::size_t>(options.main.last - options.main.first + 1) +
                                  static_cast<std::size_t>(options.branch.last - options.branch.first + 1);
    if (options.members < 0 || static_cast<std::size_t>(options.members) > available)
        throw std::invalid_argument("Zu viele Mitglieder für die Nummernkreise");

    Dice dice(options.seed);
    std::vector<DemoMember> members;
    members.reserve(static_cast<std::size_t>(options.members));
    const std::size_t wanted = static_cast<std::size_t>(options.members);
    for (std::size_t slot = 0; slot < available; ++slot) {
        // Spread evenly: slot i is taken when the share of members up to it grows past a whole member.
        if ((slot + 1) * wanted / available == slot * wanted / available) continue;
        const std::size_t mainSize = static_cast<std::size_t>(options.main.last - options.main.first + 1);
        const int number = slot < mainSize ? options.main.first + static_cast<int>(slot)
                                           : options.branch.first + static_cast<int>(slot - mainSize);
        members.push_back({number, MakeRecord(dice)});
    }
    return members;
}

std::string MakeDemoDatabase(const DemoOptions& options, const std::vector<DemoMember>& members) {
    std::string file;
    file.reserve(members.size() * 300 + 1024);
    file.append("[").append(kHeaderSection).append("]\r\n");
    const MemberRanges ranges{options.main.first, options.main.last, options.branch.first, options.branch.last};
    for (const RangeKey& range : kRangeKeys) AppendEntry(file, range.key, MemberSection(ranges.*range.field));
    for (const auto& [key, value] : kHeaderTexts) AppendEntry(file, key, value);
    for (const DemoMember& member : members) {
        file.append("[").append(MemberSection(member.number)).append("]\r\n");
        for (const MemberKey& key : kMemberKeys) {
            const std::string& value = member.record.*key.field;
            if (!value.empty()) AppendEntry(file, key.key, value);
        }
    }
    return file;
}

}  // namespace kolvane
