#include "ModalAnswerer.h"

#include "WindowQueries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {
ModalAnswerer* active = nullptr;
constexpr UINT_PTR ReadyTimerId = 0x5AFE;

bool IsClass(HWND window, const char* className)
{
    return _stricmp(WindowClass(window).c_str(), className) == 0;
}

bool HasStyle(HWND window, LONG_PTR style, LONG_PTR mask)
{
    return (GetWindowLongPtrA(window, GWL_STYLE) & mask) == style;
}

SeenDialog Describe(HWND dialog)
{
    SeenDialog seen;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.caption = WindowText(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!HasStyle(child, WS_VISIBLE, WS_VISIBLE))
            continue;
        if (IsClass(child, "Button")) {
            seen.buttons.push_back(GetDlgCtrlID(child));
            // The button drawn as default, which Enter presses; Wine's DM_GETDEFID can name another.
            if (HasStyle(child, BS_DEFPUSHBUTTON, BS_TYPEMASK) && seen.defaultButton == 0)
                seen.defaultButton = GetDlgCtrlID(child);
        } else if (IsClass(child, "Edit")) {
            seen.hasEdit = true;
            seen.editText = WindowText(child);
        } else if (IsClass(child, "Static")) {
            if (HasStyle(child, SS_ICON, SS_TYPEMASK))
                seen.hasIcon = seen.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
            else
                seen.text += WindowText(child);
        }
    }
    return seen;
}

// Posted: the dialog's own modal loop delivers it.
bool PostButtonPress(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button)
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return button != nullptr;
}

// Key by key as a user types, so the edit's length limit holds; replaces the whole text.
void TypeInto(HWND edit, const std::string& text)
{
    PostMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (char c : text)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}
}

ModalAnswerer::ModalAnswerer()
{
    if (active)
        throw std::logic_error("one ModalAnswerer at a time");
    hook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    if (!hook)
        throw std::runtime_error("cannot install the CBT hook");
    active = this;
}

ModalAnswerer::~ModalAnswerer()
{
    UnhookWindowsHookEx(hook);
    active = nullptr;
    if (!answers.empty())
        ADD_FAILURE() << answers.size() << " scripted dialog answer(s) left unused: an expected dialog never came";
}

void ModalAnswerer::Press(int buttonId)
{
    answers.push_back([buttonId](HWND dialog) { return PostButtonPress(dialog, buttonId); });
}

void ModalAnswerer::TypeAndConfirm(const std::string& text)
{
    answers.push_back([text](HWND dialog) {
        HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
        if (edit)
            TypeInto(edit, text);
        return edit && PostButtonPress(dialog, IDOK);
    });
}

// The dialog's own modal loop turns the key into whatever Esc means there.
void ModalAnswerer::PressEscape()
{
    answers.push_back([](HWND dialog) {
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        return PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0) != 0;
    });
}

void ModalAnswerer::CloseBox()
{
    answers.push_back([](HWND dialog) { return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; });
}

LRESULT CALLBACK ModalAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (active && code == HCBT_ACTIVATE && WindowClass(window) == "#32770" &&
        std::find(active->handled.begin(), active->handled.end(), window) == active->handled.end()) {
        active->handled.push_back(window);
        // Activation comes before the dialog sets its focus and default button; a timer message
        // comes only once its modal loop waits for the user.
        SetTimer(window, ReadyTimerId, USER_TIMER_MINIMUM, &ModalAnswerer::DialogReady);
    }
    if (active && code == HCBT_DESTROYWND)
        std::erase(active->handled, window);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalAnswerer::DialogReady(HWND dialog, UINT, UINT_PTR, DWORD)
{
    KillTimer(dialog, ReadyTimerId);
    if (active)
        active->Respond(dialog);
}

void ModalAnswerer::Respond(HWND dialog)
{
    seen.push_back(Describe(dialog));
    if (OnShown)
        OnShown();
    const bool answered = !answers.empty() && answers.front()(dialog);
    if (!answers.empty())
        answers.pop_front();
    if (!answered) {
        const SeenDialog& shown = seen.back();
        ADD_FAILURE() << "no fitting scripted answer, cancelled: caption \"" << shown.caption << "\", text \""
                      << shown.text << "\"";
        // The last button is Cancel, or No of Yes/No.
        PostButtonPress(dialog, shown.buttons.empty() ? IDCANCEL : shown.buttons.back());
    }
}
