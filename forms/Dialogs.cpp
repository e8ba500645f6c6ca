#include "Dialogs.h"

#include "Application.h"
#include "Control.h"
#include "InputBoxResource.h"

#include <windows.h>

#include <stdexcept>

namespace {
constexpr int MaxInputLength = 255; // as long as a file name may be: the box asks for a profile's name

struct InputRequest {
    const std::string& caption;
    const std::string& prompt;
    std::string text;
};

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a dialog procedure: Windows sets the signature
INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const auto& request = *reinterpret_cast<InputRequest*>(lParam);
        SetWindowTextA(dialog, request.caption.c_str());
        SetDlgItemTextA(dialog, IDC_INPUTBOX_PROMPT, request.prompt.c_str());
        SendDlgItemMessageA(dialog, IDC_INPUTBOX_EDIT, EM_LIMITTEXT, MaxInputLength, 0);
        SetDlgItemTextA(dialog, IDC_INPUTBOX_EDIT, request.text.c_str());
        return TRUE; // the edit, the first tab stop, gets the focus with its text selected
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            reinterpret_cast<InputRequest*>(GetWindowLongPtrA(dialog, DWLP_USER))->text =
                WindowText(GetDlgItem(dialog, IDC_INPUTBOX_EDIT));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultText)
{
    InputRequest request{caption, prompt, defaultText};
    const INT_PTR answer = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INPUTBOX),
                                           Application->MainWindow(), InputDialogProc,
                                           reinterpret_cast<LPARAM>(&request));
    if (answer == -1)
        throw std::runtime_error("cannot show the input box " + caption);
    return answer == IDOK ? request.text : defaultText;
}

void ShowMessage(const std::string& text)
{
    Application->MessageBox(text, Application->Title, MB_OK);
}
