#pragma once
// What the profile tests share: profile texts, the parameter controls read as one record, and a
// fixture that selects profiles.
#include "NodlinkFixture.h"

#include "PointerStep.h"
#include "Profiles.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// The seven parameters as the controls show them.
struct ShownParameters {
    bool invertX;
    bool invertY;
    std::string xSens;
    std::string ySens;
    bool absMode;
    std::string baseX;
    std::string baseY;

    bool operator==(const ShownParameters&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ShownParameters& p)
{
    return out << "{InvertX " << p.invertX << ", InvertY " << p.invertY << ", XSens " << p.xSens << ", YSens "
               << p.ySens << ", AbsMode " << p.absMode << ", BaseX " << p.baseX << ", BaseY " << p.baseY << "}";
}

inline ShownParameters Shown(const TNodlink& form)
{
    return {form.InvertX.Checked(), form.InvertY.Checked(), form.XSens.Text(), form.YSens.Text(),
            form.AbsMode.Checked(), form.BaseX.Text(),      form.BaseY.Text()};
}

inline ShownParameters Shown(const MappingParameterSet& p)
{
    return {p.InvertX, p.InvertY, std::to_string(p.XSens), std::to_string(p.YSens),
            p.AbsMode, std::to_string(p.BaseX), std::to_string(p.BaseY)};
}

inline const ShownParameters DesignValues{false, false, "10", "10", false, "0", "0"};
inline const ShownParameters InitialMapping{true, true, "1", "1", true, "0", "0"};

// LINES joined with CRLF, each line ended.
inline std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A valid profile holding VALUES in the template's key order.
inline std::string ProfileWith(const ShownParameters& values)
{
    return Lines({"[CONFIGURATION]", "TEST=1", "InvertX=" + std::to_string(values.invertX),
                  "InvertY=" + std::to_string(values.invertY), "XSens=" + values.xSens, "YSens=" + values.ySens,
                  "AbsMode=" + std::to_string(values.absMode), "BaseX=" + values.baseX, "BaseY=" + values.baseY});
}

inline std::vector<std::string> Entries(const TListBox& list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list.Item(i));
    return entries;
}

inline void ExpectPlainMessage(const SeenDialog& dialog, const std::string& text)
{
    EXPECT_EQ(dialog.caption, "Nodlink");
    EXPECT_EQ(dialog.text, text);
    EXPECT_EQ(dialog.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(dialog.hasIcon);
}

class ProfileTest : public NodlinkTest {
protected:
    // Selects NAME from code, which raises no click, and loads it.
    bool SelectAndLoad(const std::string& name)
    {
        TListBox& list = Form().ListProfiles;
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i) == name)
                list.SetItemIndex(i);
        EXPECT_EQ(list.ItemIndex() >= 0 ? list.Item(list.ItemIndex()) : "", name);
        return LoadSelectedProfile();
    }

    std::string PathOf(const std::string& name) const { return folder.Path() + name; }
};
