#include "search/member_search.h"

#include <algorithm>
#include <charconv>

#include "hub/database_folder.h"
#include "hub/flag_scope.h"
#include "search/member_scan.h"
#include "search/search_history.h"
#include "search/search_term.h"
#include "store/database_index.h"
#include "hub/let_events_run.h"

namespace kolvane {

namespace {

constexpr char kHelpFile[] = "Orvintal.chm";
constexpr char kHelpTopic[] = "::/1.6 Mitglieder suchen.htm";

std::string CountText(std::size_t hits) {
    if (hits == 1) return "Es wurde eine Eintrag gefunden.";
    if (hits > 1) return "Es wurden " + std::to_string(hits) + " Einträge gefunden.";
    return "Es wurde kein entsprechender Eintrag gefunden.";
}

// A stored coordinate, or the one that centres the window between low and high.
int Coordinate(Hub& hub, Setting setting, int low, int high, int size) {
    std::int32_t stored = 0;
    return hub.settings.Get(setting, stored) ? stored : low + (high - low - size) / 2;
}

int IntoArea(int at, int size, int low, int high) { return std::max(low, std::min(at, high - size)); }

constexpr int kTwipsPerInch = 1440;

TwipsRect ToTwips(const ScreenRect& r, ScreenDpi dpi) {
    const auto twips = [](int pixels, int perInch) { return pixels * kTwipsPerInch / perInch; };
    return {twips(r.left, dpi.x), twips(r.top, dpi.y), twips(r.right, dpi.x), twips(r.bottom, dpi.y)};
}

bool Touches(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int IdNumber(const std::string& id) {
    int n = -1;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), n);
    return error == std::errc() && end == id.data() + id.size() ? n : -1;
}

}  // namespace

TwipsRect PlaceSearchWindow(Hub& hub, int width, int height, ScreenDpi dpi) {
    const std::vector<Monitor> monitors = hub.os.windows.Monitors();
    const TwipsRect screen = ToTwips(monitors.front().area, dpi);
    const int top = Coordinate(hub, Setting::HPos1, screen.top, screen.bottom, height);
    const int left = Coordinate(hub, Setting::HPos2, screen.left, screen.right, width);
    const TwipsRect place{left, top, left + width, top + height};
    if (std::ranges::any_of(monitors, [&](const Monitor& m) { return Touches(place, ToTwips(m.area, dpi)); }))
        return place;
    const TwipsRect area = ToTwips(monitors.front().workArea, dpi);
    const int intoTop = IntoArea(top, height, area.top, area.bottom);
    const int intoLeft = IntoArea(left, width, area.left, area.right);
    return {intoLeft, intoTop, intoLeft + width, intoTop + height};
}

void MemberSearch::Load() {
    form_.Anzahl = kEnterTerm;
    form_.VNamen.clear();
    ++form_.listGeneration;
    LoadTaxYears(hub_, form_.objekte);
    form_.history = GetNames(hub_);
    Show();
}

void MemberSearch::Tick() {
    if (running_) return;
    form_.BSuchenEnabled = !IsBlankTerm(form_.Text1);
    if (promptAt_) {
        const double now = hub_.os.clock.Timer();
        if (now < *promptAt_ - kCountShownSeconds || now >= *promptAt_) {
            form_.Anzahl = promptText_;
            promptAt_.reset();
        }
    }
    Show();
}

void MemberSearch::SearchPressed() {
    // A second search from inside the first one's message pump would scan into the same list.
    if (running_ || closing_ || IsBlankTerm(form_.Text1) || !DatabaseFolderAtHand(hub_)) return;
    Search();
    if (closing_) view_.Close();
}

void MemberSearch::Search() {
    // Running, with `BSuchen` (the stop request) off, from the start: the beep below lets events run, and
    // an `Abbrechen` among them must stop this search.
    const FlagScope running(running_);
    form_.BSuchenEnabled = false;
    const SearchTerm term = RecognizeTerm(form_.Text1);
    if (term.identNumber) {
        form_.bSteuerNr = true;
        form_.Text1 = term.text;
        Show();
        LetEventsRun(hub_);
        view_.Beep();
    }
    if (term.postcode) form_.BWohnorte = true;
    promptAt_.reset();
    if (StopRequested()) return End();
    form_.optionsEnabled = false;
    form_.VNamen.clear();
    ++form_.listGeneration;
    form_.PBar = 0;
    form_.PBarVisible = true;
    Show();

    const DatabaseIndex index(SearchBytes(hub_));
    LetEventsRun(hub_);
    DamageNotice notice(hub_.os.dialogs);  // one notice for the whole scan
    MemberMatcher matcher(term.text, {term.identMode, form_.BErweitert, form_.BWohnorte});
    for (int n : SearchNumbers(index.ReadRanges(notice))) {
        if (StopRequested()) break;
        matcher.Match(index, n, notice, form_.VNamen);
        if (const int p = SearchProgress(n); p >= 0) form_.PBar = p;
        Show();
        LetEventsRun(hub_);
    }
    End();
}

// `BAbbrechen` enables `BSuchen`; a closing window stops the search as well.
bool MemberSearch::StopRequested() const { return form_.BSuchenEnabled || closing_; }

// A search, through or stopped, reports what it found; a closing window takes it along unreported.
void MemberSearch::End() {
    if (!closing_) Finish(form_.VNamen.size());
}

void MemberSearch::Finish(std::size_t hits) {
    form_.PBarVisible = false;
    form_.PBar = 0;
    AddToHistory(form_.history, form_.Text1);
    form_.Text1Enabled = false;
    Show();
    WriteNames(hub_, form_.history);
    form_.history = GetNames(hub_);
    form_.Text1Enabled = true;
    form_.Anzahl = CountText(hits);
    ++form_.termFocus;
    form_.optionsEnabled = true;
    form_.BSuchenEnabled = true;
    form_.Timer1 = true;  // stopped by a cancel; the term field must drive `BSuchen` again
    promptAt_ = hub_.os.clock.Timer() + kCountShownSeconds;
    promptText_ = hits > 0 ? kEnterTerm : kNothingFoundHint;
    Show();
}

void MemberSearch::StopScan() {
    form_.BSuchenEnabled = true;
    form_.VNamen.clear();
    ++form_.listGeneration;
    form_.PBar = 0;
    form_.PBarVisible = false;
    form_.Timer1 = false;
    Show();
    LetEventsRun(hub_);
    form_.optionsEnabled = true;
    Show();
}

// Idle, it closes the window as its close box does, so that the window opens there again next time.
void MemberSearch::CancelPressed(const TwipsRect& place) {
    if (running_) StopScan();
    else CloseRequested(place);
}

void MemberSearch::CloseRequested(const TwipsRect& place) {
    hub_.settings.WriteText(Setting::HPos1, std::to_string(place.top));
    hub_.settings.WriteText(Setting::HPos2, std::to_string(place.left));
    // A running scan ends first; the window goes once it has (SearchPressed closes it).
    closing_ = true;
    if (running_) StopScan();
    else view_.Close();
}

void MemberSearch::HelpPressed() {
    if (!ProgramFileExists(hub_, kHelpFile)) return;
    hub_.os.shell.StartProcess("hh.exe " + hub_.programFolder + "\\" + kHelpFile + kHelpTopic, ShowState::Normal);
}

void MemberSearch::HeaderClicked(int column) {
    std::vector<HitRow>& rows = form_.VNamen;
    if (column == 0) {
        std::stable_sort(rows.begin(), rows.end(), [](const HitRow& a, const HitRow& b) {
            return static_cast<unsigned>(IdNumber(a.id)) < static_cast<unsigned>(IdNumber(b.id));
        });
    } else {
        std::string HitRow::*field = column == 1 ? &HitRow::name : &HitRow::firstNames;
        std::stable_sort(rows.begin(), rows.end(),
                         [field](const HitRow& a, const HitRow& b) { return GermanLess(a.*field, b.*field); });
    }
    ++form_.listGeneration;
    Show();
}

void MemberSearch::RowReleased(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= form_.VNamen.size()) return;
    const HitRow hit = form_.VNamen[static_cast<std::size_t>(row)];
    if (hit.id.empty()) return;
    PrepareObjekteMenu(hub_, form_.objekte, hit);
    const std::optional<ObjekteEntry> chosen = view_.TrackObjekte(form_.objekte);
    if (chosen) RunObjekteEntry(hub_, form_.objekte, *chosen, hit);
}

void ShowMemberSearch(Hub& hub) {
    WindowId open = hub.os.windows.Find(std::nullopt, kMemberSearchCaption);
    if (open != kNoWindow) return hub.os.windows.SetForeground(open);
    if (!hub.suchenView) return;
    MemberSearch search(hub, *hub.suchenView);
    hub.suchenView->Run(search);
}

}  // namespace kolvane
