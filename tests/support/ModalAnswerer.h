#pragma once
// Answers the modal dialogs (message boxes, the input box: class "#32770") that code under test
// opens on the test thread, as scripted, pressing buttons by the captions a user reads, and
// records how each one looked.
//
//   answerer.Press("&No");
//   form.DeleteClick();
//   EXPECT_EQ(answerer.Seen().at(0).Message(), "Delete current profile?");
//
// A dialog with no scripted answer left fails the test at once, naming it, and is cancelled;
// answers that no dialog used fail the test when the answerer goes. One answerer at a time.
#include "WindowQueries.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalAnswerer {
public:
    ModalAnswerer();
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // The answers for the next dialogs, in order.
    void Press(const std::string& caption);
    void TypeAndPressEnter(const std::string& text); // into the edit
    void PressEscape();

    // Runs while each dialog is up, before it is answered.
    std::function<void(HWND dialog)> OnShown;

    const std::vector<ShownWindow>& Seen() const { return seen; }

private:
    using Answer = std::function<bool(HWND dialog)>; // false: the dialog cannot take it

    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK DialogReady(HWND dialog, UINT message, UINT_PTR id, DWORD time);
    void Respond(HWND dialog);

    HHOOK hook;
    std::deque<Answer> answers;
    std::vector<ShownWindow> seen;
    std::vector<HWND> handled; // alive dialogs seen already: activation can come again
};
