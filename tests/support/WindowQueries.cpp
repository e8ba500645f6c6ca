#include "WindowQueries.h"

namespace {
void DescribeChildren(HWND parent, ShownWindow& shown)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        const std::string text = WindowText(child);
        if (WindowClass(child) == "Static")
            shown.message += text;
        if (WindowClass(child) == "Button" && !text.empty())
            shown.buttons.push_back(text);
        if (WindowClass(child) == "Button" && (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            shown.defaultButton = text;
        DescribeChildren(child, shown);
    }
}
}

ShownWindow Describe(HWND window)
{
    ShownWindow shown{WindowText(window), "", {}, ""};
    DescribeChildren(window, shown);
    return shown;
}

std::string WindowClass(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindButton(HWND window, const std::string& caption)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && WindowClass(child) == "Button" && WindowText(child) == caption)
            return child;
        if (HWND found = FindButton(child, caption))
            return found;
    }
    return nullptr;
}
