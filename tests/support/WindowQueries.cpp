#include "WindowQueries.h"

#include <algorithm>

std::string WindowText(HWND window)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string WindowClass(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

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
