#pragma once
// Answers the modal dialogs (message boxes, input boxes: class "#32770") that code under test
// opens on the test thread, as scripted, and records what each one showed.
//
//   ModalAnswerer answerer;
//   answerer.Press(IDNO);
//   DeleteClick();
//   ASSERT_EQ(answerer.Seen().size(), 1u);
//   EXPECT_EQ(answerer.Seen()[0].text, "Delete current profile?");
//
// A dialog with no fitting scripted answer fails the test and is cancelled; scripted answers
// that no dialog used fail the test when the answerer goes. One answerer at a time.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    HWND owner = nullptr;
    std::string caption;
    std::string text;         // the message, or an input box's prompt
    std::vector<int> buttons; // their ids, in window order
    int defaultButton = 0;    // id; 0: none
    bool hasIcon = false;
    bool hasEdit = false;
    std::string editText; // what the edit showed when the dialog came up
};

class ModalAnswerer {
public:
    ModalAnswerer();
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // The answers for the next dialogs, in order.
    void Press(int buttonId);                     // IDOK, IDCANCEL, IDYES, IDNO...
    void TypeAndConfirm(const std::string& text); // into the edit, then OK
    void PressEscape();
    void CloseBox();

    // Runs while each dialog is up, before it is answered: what the code under test has done
    // by the time it asks.
    std::function<void()> OnShown;

    const std::vector<SeenDialog>& Seen() const { return seen; }

private:
    using Answer = std::function<bool(HWND dialog)>; // false: the dialog cannot take it

    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK DialogReady(HWND dialog, UINT message, UINT_PTR id, DWORD time);
    void Respond(HWND dialog);

    HHOOK hook;
    std::deque<Answer> answers;
    std::vector<SeenDialog> seen;
    std::vector<HWND> handled; // alive dialogs seen already: activation can come again
};
