#pragma once
// Answers the modal dialogs (message boxes, the input box) that code opens on this thread, as
// scripted, pressing buttons by the captions a user reads, and records how each one looked. A
// dialog with no scripted answer left is reported at once, naming it, and cancelled; answers
// that no dialog used are reported when the answerer goes. One answerer at a time.
#include "WindowQueries.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalAnswerer {
public:
    using Report = std::function<void(const std::string& problem)>;
    explicit ModalAnswerer(Report report);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // The answers for the next dialogs, in order.
    void Press(const std::string& caption);
    void TypeAndPressEnter(const std::string& text); // into the edit
    void PressEscape();

    std::function<void(HWND dialog)> OnShown; // runs while each dialog is up, before its answer
    const std::vector<ShownWindow>& Seen() const { return seen; }

private:
    static void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD);

    Report report;
    UINT_PTR timer;
    std::deque<std::function<bool(HWND dialog)>> answers; // false: the dialog cannot take it
    std::vector<ShownWindow> seen;
};
