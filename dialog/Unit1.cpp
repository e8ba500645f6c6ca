#include "Unit1.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"
#include "Resources.h"
#include "TrackerDriver.h"
#include "Unit1Layout.h"

#include <cstdio>
#include <type_traits>

TNodlink* Nodlink = nullptr;

namespace {
constexpr int StatusFontHeight = -19; // 14 pt at 96 DPI

// While tracking runs, the ticks go before the normal-priority threads of other programs, such as
// a game's on every core, instead of waiting behind them for tens of milliseconds. In the normal
// priority class this is base priority 10: above those threads, and below the 11 beyond which a
// thread interferes with the system's own work (SetThreadPriority's documentation). A tick takes
// about 0.1 ms; a driver call that never returned would hold one core, not the system.
constexpr int TrackingPriority = THREAD_PRIORITY_HIGHEST;
}

template <class Control>
Control TNodlink::Placed(std::string_view name)
{
    const LayoutRow& row = LayoutOf(name);
    TWinControl& parent = row.Parent == "Profiles"     ? static_cast<TWinControl&>(Profiles)
                          : row.Parent == "Parameters" ? static_cast<TWinControl&>(Parameters)
                                                       : static_cast<TWinControl&>(*this);
    if constexpr (std::is_constructible_v<Control, TWinControl&, TBounds, const std::string&>)
        return Control(parent, row.Bounds, std::string(row.Text));
    else
        return Control(parent, row.Bounds);
}

TNodlink::TNodlink()
    : TForm("Nodlink", NodlinkClientWidth, NodlinkClientHeight),
      Profiles(Placed<TGroupBox>("Profiles")),
      ListProfiles(Placed<TListBox>("ListProfiles")),
      Delete(Placed<TButton>("Delete")),
      Add(Placed<TButton>("Add")),
      Parameters(Placed<TGroupBox>("Parameters")),
      InvertXlbl(Placed<TLabel>("InvertXlbl")),
      Label2(Placed<TLabel>("Label2")),
      Label3(Placed<TLabel>("Label3")),
      Label4(Placed<TLabel>("Label4")),
      Label1(Placed<TLabel>("Label1")),
      Label5(Placed<TLabel>("Label5")),
      Label6(Placed<TLabel>("Label6")),
      AbsMode(Placed<TCheckBox>("AbsMode")),
      InvertX(Placed<TCheckBox>("InvertX")),
      InvertY(Placed<TCheckBox>("InvertY")),
      XSens(Placed<TEdit>("XSens")),
      YSens(Placed<TEdit>("YSens")),
      BaseX(Placed<TEdit>("BaseX")),
      BaseY(Placed<TEdit>("BaseY")),
      Status(Placed<TLabel>("Status")),
      Image1(Placed<TImage>("Image1")),
      Run(Placed<TButton>("Run")),
      Stop(Placed<TButton>("Stop")),
      Exit(Placed<TButton>("Exit")),
      Label7(Placed<TLabel>("Label7")),
      Timer1(*this, TickIntervalMs)
{
    Nodlink = this;
    Status.SetFont("MS Sans Serif", StatusFontHeight);
    Image1.LoadJpegResource(IDR_BANNER);
    WireEvents();
    FormCreate();
}

TNodlink::~TNodlink()
{
    Nodlink = nullptr;
}

void TNodlink::WireEvents()
{
    Add.OnClick = [this] { AddClick(); };
    ListProfiles.OnClick = [this] { ListProfilesClick(); };
    InvertX.OnClick = [this] { InvertXClick(); };
    InvertY.OnClick = [this] { InvertYClick(); };
    XSens.OnChange = [this] { XSensChange(); };
    YSens.OnChange = [this] { YSensChange(); };
    AbsMode.OnClick = [this] { AbsModeClick(); };
    BaseX.OnChange = [this] { BaseXChange(); };
    BaseY.OnChange = [this] { BaseYChange(); };
    Delete.OnClick = [this] { DeleteClick(); };
    Exit.OnClick = [this] { ExitClick(); };
    Run.OnClick = [this] { RunClick(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Stop.OnClick = [this] { StopClick(); };
    // The close box, Alt+F4 and the system menu leave the way Exit does: the tracker is closed
    // and pending edits are offered for saving, not lost.
    OnClose = [this] { ExitClick(); };
}

void TNodlink::FormCreate()
{
    RefreshCatalogue();
    ListProfiles.SetItemIndex(0);
    LoadSelectedProfile();
    Show();
    Application->BringToFront();
}

void TNodlink::RunClick()
{
    LoadSelectedProfile();
    Status.SetCaption("Starting VFX3D...");
    Status.Repaint(); // opening the tracker can take a while
    if (OpenTracker()) {
        // Head movement made while stopped, or a driver that centres anew at every open, must
        // not arrive as one leap on the first tick.
        FirstSample = true;
        Status.SetCaption("VFX3D init OK.");
        Profiles.SetEnabled(false);
        Parameters.SetEnabled(false);
        tickPriority.emplace(TrackingPriority);
        Timer1.SetEnabled(true);
    } else {
        Status.SetCaption("Error initializing VFX3D.");
    }
}

void TNodlink::Timer1Timer()
{
    int32_t x = 0, y = 0;
    PointerStep(x, y);
    char text[64]; // a std::string of it would allocate on every tick
    std::snprintf(text, sizeof text, "Running        x = %d  y = %d", static_cast<int>(x), static_cast<int>(y));
    Status.SetCaption(text, StatusRefreshGapMs);
}

void TNodlink::StopClick()
{
    Timer1.SetEnabled(false);
    tickPriority.reset();
    CloseTracker();
    Profiles.SetEnabled(true);
    Parameters.SetEnabled(true);
    Status.SetCaption("Stopped.");
}

void TNodlink::ExitClick()
{
    if (Timer1.Enabled()) {
        Timer1.SetEnabled(false);
        tickPriority.reset();
        CloseTracker();
    }
    OfferToSavePendingEdits();
    Application->Terminate();
}

void TNodlink::ListProfilesClick()
{
    LoadSelectedProfile();
}

// Each parameter control's change only marks the profile as modified; tracking keeps the
// values of the last load.
void TNodlink::InvertXClick()
{
    ProfileModified = true;
}

void TNodlink::InvertYClick()
{
    ProfileModified = true;
}

void TNodlink::XSensChange()
{
    ProfileModified = true;
}

void TNodlink::YSensChange()
{
    ProfileModified = true;
}

void TNodlink::AbsModeClick()
{
    ProfileModified = true;
}

void TNodlink::BaseXChange()
{
    ProfileModified = true;
}

void TNodlink::BaseYChange()
{
    ProfileModified = true;
}
