#pragma once
// Nodlink's one window: the profile list, the seven parameter controls, tracking control and
// the status line.
#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "ListBox.h"
#include "ThreadPriority.h"
#include "Timer.h"

#include <optional>
#include <string>
#include <string_view>

class TNodlink : public TForm {
public:
    TNodlink(); // creates the controls, wires their events and runs FormCreate
    ~TNodlink() override;

    static constexpr UINT TickIntervalMs = 3;
    // A 60 Hz display frame less one tick: the status line shows the latest tick's numbers within
    // a frame, and is drawn at most once a frame, not at every tick.
    static constexpr UINT StatusRefreshGapMs = 16 - TickIntervalMs;

    // Declared in layout order: creation order is the tab order.
    TGroupBox Profiles;
    TListBox ListProfiles;
    TButton Delete;
    TButton Add;
    TGroupBox Parameters;
    TLabel InvertXlbl;
    TLabel Label2;
    TLabel Label3;
    TLabel Label4;
    TLabel Label1;
    TLabel Label5;
    TLabel Label6;
    TCheckBox AbsMode;
    TCheckBox InvertX;
    TCheckBox InvertY;
    TEdit XSens;
    TEdit YSens;
    TEdit BaseX;
    TEdit BaseY;
    TLabel Status;
    TImage Image1;
    TButton Run;
    TButton Stop;
    TButton Exit;
    TLabel Label7;
    TTimer Timer1;

    void FormCreate();
    void AddClick();
    void ListProfilesClick();
    void InvertXClick();
    void InvertYClick();
    void XSensChange();
    void YSensChange();
    void AbsModeClick();
    void BaseXChange();
    void BaseYChange();
    void DeleteClick();
    void ExitClick();
    void RunClick();
    void Timer1Timer();
    void StopClick();

private:
    // The control of the layout row NAME, under the parent that row names.
    template <class Control>
    Control Placed(std::string_view name);
    void WireEvents();

    std::optional<TThreadPriority> tickPriority; // raised while Timer1 runs
};

extern TNodlink* Nodlink; // the one instance while it exists
