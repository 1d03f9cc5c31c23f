#pragma once
// The search window `Suchen`: a free term looked up in the members' names, first names, tax numbers and
// identification numbers, optionally streets and places, with the hits in a list from which the result
// menu hands a member to another program. The scan pumps window messages after every member, so that
// the window repaints, `BAbbrechen` stops it and the hub's timers and commands run meanwhile.
#include <optional>
#include <string>
#include <vector>

#include "hub/hub.h"
#include "search/member_match.h"
#include "search/member_search_window.h"
#include "search/result_actions.h"

namespace kolvane {

// The caption of the search window `Suchen`, by which a second opening finds the first.
inline constexpr char kMemberSearchCaption[] = " Personen suchen";
inline constexpr char kEnterTerm[] = "Bitte geben Sie einen Suchbegriff ein.";
inline constexpr char kNothingFoundHint[] = "Namen, Anschrift, Identifikation- und Steuernummer suchen ...";
// How long the hit count stays before the prompt comes back.
inline constexpr double kCountShownSeconds = 2;

// The window's controls as the search sees them; the view copies them to the screen and back.
struct SuchenForm {
    std::string Text1;                 // the term
    std::vector<std::string> history;  // the list of `Text1`, newest first
    bool bSteuerNr = false;
    bool BErweitert = false;  // "&Nur Nachnamen durchsuchen "
    bool BWohnorte = false;
    bool Text1Enabled = true;
    bool optionsEnabled = true;  // `BErweitert` and `BWohnorte`
    bool BSuchenEnabled = false;
    bool PBarVisible = false;
    int PBar = 0;
    std::string Anzahl;
    std::vector<HitRow> VNamen;
    int listGeneration = 0;  // moves on whenever rows are cleared or reordered, not when added
    bool Timer1 = true;
    int termFocus = 0;  // moves on when the whole term is to be selected and focused
    ObjekteMenu objekte;
};

// A window position in twips, as "HPos1" (top) and "HPos2" (left) keep it.
struct TwipsRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The screen's pixels per inch, across and down; a twip is 1/1440 inch.
struct ScreenDpi {
    int x = 96, y = 96;
};

// Where the window of width and height (twips) opens: the stored position, or centred on the primary
// screen in a direction without one. A window left on a second screen stays there; only one that would
// touch no screen at all (a screen gone, a smaller resolution) is moved into the primary work area, so
// that it never opens out of reach.
TwipsRect PlaceSearchWindow(Hub& hub, int width, int height, ScreenDpi dpi);

class MemberSearch;

// The window on screen. Implemented by member_search_win32.cpp and by the tests' fake.
class SuchenView {
public:
    virtual ~SuchenView() = default;
    // Shows the window and returns once it has been closed; meanwhile reports to search.
    virtual void Run(MemberSearch& search) = 0;
    // The form has changed: copies it to the controls.
    virtual void Update(const SuchenForm& form) = 0;
    virtual void Close() = 0;
    virtual void Beep() = 0;
    // Pops the result menu up at the mouse; the chosen entry, or nothing.
    virtual std::optional<ObjekteEntry> TrackObjekte(const ObjekteMenu& menu) = 0;
};

class MemberSearch {
public:
    MemberSearch(Hub& hub, SuchenView& view) : hub_(hub), view_(view) {}
    SuchenForm& Form() { return form_; }
    Hub& Owner() { return hub_; }
    bool Running() const { return running_; }

    // The events of the window. The view has copied the controls into the form before each.
    void Load();
    void Tick();              // `Timer1`
    void SearchPressed();     // `BSuchen` or Enter in `Text1`
    void CancelPressed(const TwipsRect& place);  // `BAbbrechen`
    void CloseRequested(const TwipsRect& place);  // the frame's close box; the window's place to keep
    void HelpPressed();       // `BHilfe`
    void HeaderClicked(int column);
    void RowReleased(int row);  // the left button let go over a selected row

private:
    void Search();
    void Show() { view_.Update(form_); }
    void StopScan();
    bool StopRequested() const;
    void End();
    void Finish(std::size_t hits);

    Hub& hub_;
    SuchenView& view_;
    SuchenForm form_;
    bool running_ = false;
    bool closing_ = false;
    std::optional<double> promptAt_;  // when the prompt replaces the hit count
    std::string promptText_;
};

}  // namespace kolvane
