#include "ModalAnswerer.h"

#include <utility>

namespace {
ModalAnswerer* active = nullptr;

// Posted: the dialog's own modal loop delivers them, as it would the user's keys.
bool PostKey(HWND window, WPARAM key)
{
    return PostMessageA(window, WM_KEYDOWN, key, 0) && PostMessageA(window, WM_KEYUP, key, 0);
}
}

// A thread timer: a dialog's modal loop dispatches it while the dialog waits for the user.
ModalAnswerer::ModalAnswerer(Report reporter)
    : report(std::move(reporter)), timer(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, LookForDialog))
{
    active = this;
}

ModalAnswerer::~ModalAnswerer()
{
    KillTimer(nullptr, timer);
    active = nullptr;
    if (!answers.empty())
        report(std::to_string(answers.size()) +
               " scripted dialog answer(s) left unused: an expected dialog never came");
}

void ModalAnswerer::Press(const std::string& caption)
{
    answers.push_back([caption](HWND dialog) {
        HWND button = FindButton(dialog, caption);
        return button && PostMessageA(button, BM_CLICK, 0, 0);
    });
}

void ModalAnswerer::TypeAndPressEnter(const std::string& text)
{
    answers.push_back([text](HWND dialog) {
        HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
        for (char c : text) // key by key as a user types, so the edit's length limit holds
            PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
        return edit && PostKey(edit, VK_RETURN);
    });
}

void ModalAnswerer::PressEscape()
{
    answers.push_back([](HWND dialog) { return PostKey(dialog, VK_ESCAPE); });
}

void CALLBACK ModalAnswerer::LookForDialog(HWND, UINT, UINT_PTR, DWORD)
{
    // The mark goes with the window, so a new box that gets an old one's handle is answered too.
    HWND dialog = GetActiveWindow();
    if (!active || GetPropA(dialog, "Answered") || WindowClass(dialog) != "#32770" || !IsWindowVisible(dialog))
        return;
    SetPropA(dialog, "Answered", dialog);
    active->seen.push_back(Describe(dialog));
    if (active->OnShown)
        active->OnShown(dialog);
    const bool taken = !active->answers.empty() && active->answers.front()(dialog);
    if (!active->answers.empty())
        active->answers.pop_front();
    if (!taken) {
        active->report("no fitting scripted answer, cancelled: \"" + active->seen.back().message + "\"");
        PostKey(dialog, VK_ESCAPE);
    }
}
