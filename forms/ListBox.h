#pragma once
#include "Control.h"

#include <string>

// A list box that keeps its entries sorted itself (case-insensitive, as the system compares).
class TListBox : public TWinControl {
public:
    TListBox(TWinControl& parent, TBounds bounds);

    void Clear();
    int Add(const std::string& item); // the index the entry got
    int Count() const;
    std::string Item(int index) const; // throws std::out_of_range

    int ItemIndex() const;        // -1: nothing selected
    void SetItemIndex(int index); // -1 clears; raises no OnClick

    TNotifyEvent OnClick; // the user changed the selection, by mouse or keyboard

private:
    void Notify(WORD code) override;
};
