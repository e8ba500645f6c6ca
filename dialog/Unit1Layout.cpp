#include "Unit1Layout.h"

#include <stdexcept>
#include <string>

const LayoutRow& LayoutOf(std::string_view name)
{
    for (const LayoutRow& row : NodlinkLayout)
        if (row.Name == name)
            return row;
    throw std::out_of_range("no control " + std::string(name) + " in the layout");
}
