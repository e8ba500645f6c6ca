#include "Dialogs.h"

#include "Application.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace {
constexpr WORD PromptId = 100;
constexpr WORD EditId = 101;
constexpr int MaxInputLength = 255; // as the original framework's input box

// Window classes by their predefined atoms in a dialog template.
constexpr WORD ButtonAtom = 0x0080;
constexpr WORD EditAtom = 0x0081;
constexpr WORD StaticAtom = 0x0082;

struct InputRequest {
    const std::string& caption;
    const std::string& prompt;
    std::string text;
};

// An in-memory dialog template: DLGTEMPLATE and its items, WORD-aligned with DWORD-aligned
// items. Texts are set when the dialog starts, so the template holds none but the font.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, WORD fontPoints, const wchar_t* fontName)
    {
        AddDword(style | DS_SETFONT);
        AddDword(0); // extended style
        countIndex = words.size();
        AddWord(0);
        AddCoordinates(0, 0, width, height);
        AddWord(0); // no menu
        AddWord(0); // the dialog class
        AddWord(0); // empty title
        AddWord(fontPoints);
        AddString(fontName);
    }

    void AddItem(WORD classAtom, WORD id, DWORD style, short x, short y, short width, short height)
    {
        if (words.size() % 2 != 0)
            AddWord(0);
        AddDword(WS_CHILD | WS_VISIBLE | style);
        AddDword(0); // extended style
        AddCoordinates(x, y, width, height);
        AddWord(id);
        AddWord(0xFFFF);
        AddWord(classAtom);
        AddWord(0); // empty text
        AddWord(0); // no creation data
        ++words[countIndex];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words.data()); }

private:
    void AddWord(WORD word) { words.push_back(word); }
    void AddDword(DWORD value)
    {
        AddWord(LOWORD(value));
        AddWord(HIWORD(value));
    }
    void AddCoordinates(short x, short y, short width, short height)
    {
        for (short value : {x, y, width, height})
            AddWord(static_cast<WORD>(value));
    }
    void AddString(const wchar_t* text)
    {
        do
            AddWord(static_cast<WORD>(*text));
        while (*text++);
    }

    // On the heap, so the template starts DWORD-aligned as the dialog manager needs.
    std::vector<WORD> words;
    size_t countIndex = 0;
};

DialogTemplate InputDialogTemplate()
{
    // Dialog units of "MS Sans Serif" 8 pt; the dialog manager scales them to the DPI.
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 180, 63, 8,
                          L"MS Sans Serif");
    dialog.AddItem(StaticAtom, PromptId, SS_LEFT | SS_NOPREFIX, 6, 6, 168, 8);
    dialog.AddItem(EditAtom, EditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 18, 168, 12);
    dialog.AddItem(ButtonAtom, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 66, 41, 50, 14);
    dialog.AddItem(ButtonAtom, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 124, 41, 50, 14);
    return dialog;
}

std::string DialogItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1);
    GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const auto& request = *reinterpret_cast<InputRequest*>(lParam);
        SetWindowTextA(dialog, request.caption.c_str());
        SetDlgItemTextA(dialog, PromptId, request.prompt.c_str());
        SendDlgItemMessageA(dialog, EditId, EM_LIMITTEXT, MaxInputLength, 0);
        SetDlgItemTextA(dialog, EditId, request.text.c_str());
        return TRUE; // the edit, the first tab stop, gets the focus with its text selected
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            reinterpret_cast<InputRequest*>(GetWindowLongPtrA(dialog, DWLP_USER))->text =
                DialogItemText(dialog, EditId);
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
    const DialogTemplate dialog = InputDialogTemplate();
    const INT_PTR answer = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), Application->MainWindow(),
                                                   InputDialogProc, reinterpret_cast<LPARAM>(&request));
    if (answer == -1)
        throw std::runtime_error("cannot show the input box " + caption);
    return answer == IDOK ? request.text : defaultText;
}

void ShowMessage(const std::string& text)
{
    Application->MessageBox(text, Application->Title, MB_OK);
}
