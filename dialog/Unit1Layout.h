#pragma once
// The main window's controls as data: one row per control, in creation order, which is also
// the tab order within each parent.
#include "Control.h"

#include <string_view>

struct LayoutRow {
    std::string_view Name;
    std::string_view Parent; // empty: the window itself
    TBounds Bounds;          // pixels at 96 DPI, relative to the parent
    std::string_view Text;
};

inline constexpr int NodlinkClientWidth = 463;
inline constexpr int NodlinkClientHeight = 398;

inline constexpr LayoutRow NodlinkLayout[] = {
    {"Profiles", "", {8, 8, 217, 273}, "Profiles"},
    {"ListProfiles", "Profiles", {8, 16, 145, 241}, ""},
    {"Delete", "Profiles", {160, 80, 49, 25}, "Delete"},
    {"Add", "Profiles", {160, 48, 49, 25}, "Add"},
    {"Parameters", "", {240, 8, 209, 273}, "Parameters"},
    {"InvertXlbl", "Parameters", {16, 24, 37, 13}, "Invert X"},
    {"Label2", "Parameters", {16, 56, 37, 13}, "Invert Y"},
    {"Label3", "Parameters", {16, 88, 55, 13}, "X sensitivity"},
    {"Label4", "Parameters", {16, 120, 55, 13}, "Y sensitivity"},
    {"Label1", "Parameters", {16, 160, 70, 13}, "Absolute mode"},
    {"Label5", "Parameters", {16, 192, 111, 13}, "Base X (abs.mode only)"},
    {"Label6", "Parameters", {16, 224, 111, 13}, "Base Y (abs.mode only)"},
    {"AbsMode", "Parameters", {144, 160, 57, 17}, ""},
    {"InvertX", "Parameters", {144, 24, 33, 25}, ""},
    {"InvertY", "Parameters", {144, 56, 33, 17}, ""},
    {"XSens", "Parameters", {144, 88, 33, 21}, "10"},
    {"YSens", "Parameters", {144, 120, 33, 21}, "10"},
    {"BaseX", "Parameters", {144, 192, 49, 21}, "0"},
    {"BaseY", "Parameters", {144, 224, 49, 21}, "0"},
    {"Status", "", {16, 288, 71, 24}, "Stopped"},
    {"Image1", "", {8, 320, 217, 41}, ""},
    {"Run", "", {240, 320, 65, 25}, "Activate"},
    {"Stop", "", {312, 320, 65, 25}, "Stop"},
    {"Exit", "", {384, 320, 65, 25}, "Exit"},
    {"Label7", "", {16, 368, 174, 13}, "Nodlink v. 1.0 by the Nodlink developers"},
};

// The row of the control NAME; throws std::out_of_range for a name not in the table.
const LayoutRow& LayoutOf(std::string_view name);
