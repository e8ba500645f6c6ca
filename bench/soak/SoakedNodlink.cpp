#include "SoakedNodlink.h"

#include "WindowQueries.h"

#include <stdexcept>

namespace {
constexpr DWORD Patience = 20000; // ms; far beyond any answer of a healthy program
constexpr DWORD PollMs = 5;

// The texts of the box's static controls: its message, or an input box's prompt.
std::string BoxTexts(HWND box)
{
    std::string texts;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowClass(child) == "Static" && !WindowText(child).empty())
            texts += " \"" + WindowText(child) + "\"";
    return texts;
}

bool WaitUntilGone(HWND window)
{
    for (DWORD waited = 0; IsWindow(window); waited += PollMs) {
        if (waited >= Patience)
            return false;
        Sleep(PollMs);
    }
    return true;
}
}

SoakedNodlink::SoakedNodlink()
{
    CopyProgramFiles(folder, {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"});
    process = std::make_unique<NodlinkProcess>(folder.Path());
    DWORD processId = 0;
    GetWindowThreadProcessId(process->Window(), &processId);
    counters = std::make_unique<ProcessCounters>(processId);
}

HWND SoakedNodlink::Button(const char* caption) const
{
    if (HWND button = process->Control("Button", caption))
        return button;
    Fail(std::string("a button \"") + caption + "\"");
}

HWND SoakedNodlink::List() const
{
    if (HWND list = process->Control("ListBox", ""))
        return list;
    Fail("the profile list");
}

HWND SoakedNodlink::XSens() const
{
    // The first edit in creation order; default.vfx sets it to 10.
    if (HWND edit = process->Control("Edit", "10"))
        return edit;
    Fail("an edit showing 10");
}

void SoakedNodlink::Click(const char* caption) const
{
    process->Click(Button(caption));
}

void SoakedNodlink::WaitForStatus(const char* prefix) const
{
    // A box that comes up instead fails the run at once.
    for (DWORD waited = 0; !process->StatusText().starts_with(prefix); waited += PollMs) {
        if (waited >= Patience || process->WaitForMessageBox(0))
            Fail(std::string("the status \"") + prefix + "...\"");
        Sleep(PollMs);
    }
}

void SoakedNodlink::Answer(const char* text, int button, const char* typed) const
{
    HWND box = process->WaitForMessageBox(Patience);
    if (!box || !FindWindowExA(box, nullptr, "Static", text))
        Fail(std::string("a box showing \"") + text + "\"");
    if (typed)
        process->SetText(FindWindowExA(box, nullptr, "Edit", nullptr), typed);
    process->Press(box, button);
    if (!WaitUntilGone(box))
        Fail(std::string("the box \"") + text + "\" to close");
}

void SoakedNodlink::Settle() const
{
    // A message sent from another thread is taken only where the thread waits for messages.
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(process->Window(), WM_NULL, 0, 0, SMTO_NORMAL, Patience, &ignored))
        Fail("an answer to a message");
}

Counters SoakedNodlink::Sample() const
{
    Settle();
    return counters->Sample();
}

void SoakedNodlink::Exit() const
{
    Click("Exit");
    DWORD exitCode = 1;
    if (!process->WaitForExit(Patience, exitCode) || exitCode != 0)
        Fail("the program to end with exit code 0");
}

void SoakedNodlink::Fail(const std::string& expected) const
{
    std::string seen = "the status line shows \"" + process->StatusText() + "\"";
    if (HWND box = process->WaitForMessageBox(0))
        seen += ", a box shows" + BoxTexts(box);
    throw std::runtime_error("waited in vain for " + expected + "; " + seen);
}
