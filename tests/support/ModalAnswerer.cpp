#include "ModalAnswerer.h"

#include "WindowInspection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {
ModalAnswerer* active = nullptr;
constexpr UINT_PTR ReadyTimerId = 0x5AFE;

bool IsDialogBox(HWND window)
{
    return WindowClass(window) == "#32770";
}

bool HasStyle(HWND window, LONG_PTR style, LONG_PTR mask)
{
    return (GetWindowLongPtrA(window, GWL_STYLE) & mask) == style;
}

std::vector<HWND> VisibleChildren(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (HasStyle(child, WS_VISIBLE, WS_VISIBLE))
            children.push_back(child);
    return children;
}

// The button drawn as default, which Enter presses; Wine's DM_GETDEFID can name another.
int DefaultButton(HWND dialog, const std::vector<HWND>& children)
{
    for (HWND child : children)
        if (_stricmp(WindowClass(child).c_str(), "Button") == 0 && HasStyle(child, BS_DEFPUSHBUTTON, BS_TYPEMASK))
            return GetDlgCtrlID(child);
    const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : 0;
}

SeenDialog Describe(HWND dialog)
{
    SeenDialog seen;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.caption = WindowText(dialog);
    const std::vector<HWND> children = VisibleChildren(dialog);
    for (HWND child : children) {
        const std::string className = WindowClass(child);
        if (_stricmp(className.c_str(), "Button") == 0) {
            seen.buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
        } else if (_stricmp(className.c_str(), "Edit") == 0) {
            seen.hasEdit = true;
            seen.editText = WindowText(child);
        } else if (_stricmp(className.c_str(), "Static") == 0) {
            if (HasStyle(child, SS_ICON, SS_TYPEMASK))
                seen.hasIcon = seen.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
            else
                seen.text += WindowText(child);
        }
    }
    seen.defaultButton = DefaultButton(dialog, children);
    return seen;
}

std::string Summary(const SeenDialog& dialog)
{
    return "caption \"" + dialog.caption + "\", text \"" + dialog.text + "\"";
}

// Key by key as a user types, so the edit's length limit holds; replaces the whole text.
void TypeInto(HWND edit, const std::string& text)
{
    PostMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (char c : text)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

void PostButtonPress(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
}

std::vector<int> SeenDialog::ButtonIds() const
{
    std::vector<int> ids;
    for (const DialogButton& button : buttons)
        ids.push_back(button.id);
    return ids;
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
    answers.push_back({AnswerKind::Press, buttonId, {}});
}

void ModalAnswerer::TypeAndConfirm(const std::string& text)
{
    answers.push_back({AnswerKind::Type, IDOK, text});
}

void ModalAnswerer::PressEscape()
{
    answers.push_back({AnswerKind::Escape, 0, {}});
}

void ModalAnswerer::CloseBox()
{
    answers.push_back({AnswerKind::Close, 0, {}});
}

LRESULT CALLBACK ModalAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (active && code == HCBT_ACTIVATE && IsDialogBox(window))
        active->DialogActivated(window);
    if (active && code == HCBT_DESTROYWND)
        std::erase(active->handled, window);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Activation comes before the dialog sets its focus and default button; a timer message comes
// only once its modal loop waits for the user.
void ModalAnswerer::DialogActivated(HWND dialog)
{
    if (std::find(handled.begin(), handled.end(), dialog) != handled.end())
        return;
    handled.push_back(dialog);
    SetTimer(dialog, ReadyTimerId, USER_TIMER_MINIMUM, &ModalAnswerer::DialogReady);
}

void CALLBACK ModalAnswerer::DialogReady(HWND dialog, UINT, UINT_PTR, DWORD)
{
    KillTimer(dialog, ReadyTimerId);
    if (active)
        active->Answer(dialog);
}

void ModalAnswerer::Answer(HWND dialog)
{
    seen.push_back(Describe(dialog));
    if (OnShown)
        OnShown();
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected dialog, cancelled: " << Summary(seen.back());
        Cancel(dialog);
        return;
    }
    const ScriptedAnswer answer = answers.front();
    answers.pop_front();
    Give(dialog, answer);
}

// Posted: the dialog's own modal loop delivers the answer.
void ModalAnswerer::Give(HWND dialog, const ScriptedAnswer& answer)
{
    switch (answer.kind) {
    case AnswerKind::Type:
        if (!seen.back().hasEdit) {
            ADD_FAILURE() << "no edit to type into, cancelled: " << Summary(seen.back());
            Cancel(dialog);
            return;
        }
        TypeInto(FindWindowExA(dialog, nullptr, "Edit", nullptr), answer.text);
        [[fallthrough]];
    case AnswerKind::Press:
        if (!GetDlgItem(dialog, answer.buttonId)) {
            ADD_FAILURE() << "no button " << answer.buttonId << ", cancelled: " << Summary(seen.back());
            Cancel(dialog);
            return;
        }
        PostButtonPress(dialog, answer.buttonId);
        return;
    case AnswerKind::Escape:
        // The dialog's own modal loop turns it into whatever Esc means there.
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0);
        return;
    case AnswerKind::Close:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
}

// Cancel where there is one, else the last button (No of Yes/No).
void ModalAnswerer::Cancel(HWND dialog)
{
    const std::vector<int> ids = seen.back().ButtonIds();
    if (std::find(ids.begin(), ids.end(), IDCANCEL) != ids.end() || ids.empty())
        PostButtonPress(dialog, IDCANCEL);
    else
        PostButtonPress(dialog, ids.back());
}
