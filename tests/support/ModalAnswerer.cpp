#include "ModalAnswerer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {
ModalAnswerer* active = nullptr;
constexpr UINT_PTR ReadyTimerId = 0x5AFE;

// Posted: the dialog's own modal loop delivers them, as it would the user's keys.
bool PostKey(HWND window, WPARAM key)
{
    return PostMessageA(window, WM_KEYDOWN, key, 0) && PostMessageA(window, WM_KEYUP, key, 0);
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
        if (!edit)
            return false;
        // Key by key as a user types, so the edit's length limit holds.
        PostMessageA(edit, EM_SETSEL, 0, -1);
        PostMessageA(edit, WM_CHAR, VK_BACK, 0);
        for (char c : text)
            PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
        return PostKey(edit, VK_RETURN);
    });
}

void ModalAnswerer::PressEscape()
{
    answers.push_back([](HWND dialog) { return PostKey(dialog, VK_ESCAPE); });
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
        OnShown(dialog);
    const bool answered = !answers.empty() && answers.front()(dialog);
    if (!answers.empty())
        answers.pop_front();
    if (!answered) {
        ADD_FAILURE() << "no fitting scripted answer, cancelled: \"" << seen.back().title << "\" saying \""
                      << seen.back().Message() << "\"";
        PostKey(dialog, VK_ESCAPE);
    }
}
