#include "SampleForm.h"

#include <algorithm>

RECT RectInParent(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> TabOrder(HWND form)
{
    std::vector<HWND> order;
    for (HWND control = GetNextDlgTabItem(form, nullptr, FALSE);
         control && std::find(order.begin(), order.end(), control) == order.end();
         control = GetNextDlgTabItem(form, control, FALSE))
        order.push_back(control);
    return order;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
