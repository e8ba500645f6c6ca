// Every window the program shows, as a user sees it at the system's DPI (the suite runs at 96
// and at 144 DPI): its title, every visible control's class and text, the default button, and
// texts that fit their controls, measured with the controls' own fonts. With NODLINK_GALLERY
// set to a folder, a picture of each window is saved there too.
#include "NodlinkFixture.h"

#include "Dpi.h"
#include "PointerStep.h"
#include "Profiles.h"

#include <cstdlib>
#include <stdexcept>

namespace {
struct Expected {
    const char* className;
    std::string text;
    TBounds at96{}; // at 96 DPI; width 0: labels take their text's width; all 0: the system places it
};

struct WindowCase {
    const char* name;
    void (*show)(TNodlink& form, ModalAnswerer& dialogs);
    bool mainWindow;
    std::string defaultButton;
    std::vector<Expected> controls;
};

std::vector<Expected> MainWindowShowing(const std::string& status)
{
    return {{"Button", "Profiles", {8, 8, 217, 273}},
            {"ListBox", "", {8, 16, 145, 241}},
            {"Button", "Delete", {160, 80, 49, 25}},
            {"Button", "Add", {160, 48, 49, 25}},
            {"Button", "Parameters", {240, 8, 209, 273}},
            {"Static", "Invert X", {16, 24, 0, 13}},
            {"Static", "Invert Y", {16, 56, 0, 13}},
            {"Static", "X sensitivity", {16, 88, 0, 13}},
            {"Static", "Y sensitivity", {16, 120, 0, 13}},
            {"Static", "Absolute mode", {16, 160, 0, 13}},
            {"Static", "Base X (abs.mode only)", {16, 192, 0, 13}},
            {"Static", "Base Y (abs.mode only)", {16, 224, 0, 13}},
            {"Button", "", {144, 160, 57, 17}},
            {"Button", "", {144, 24, 33, 25}},
            {"Button", "", {144, 56, 33, 17}},
            {"Edit", "10", {144, 88, 33, 21}},
            {"Edit", "10", {144, 120, 33, 21}},
            {"Edit", "0", {144, 192, 49, 21}},
            {"Edit", "0", {144, 224, 49, 21}},
            {"Static", status, {16, 288, 0, 24}},
            {"Static", "<picture>", {8, 320, 217, 41}},
            {"Button", "Activate", {240, 320, 65, 25}},
            {"Button", "Stop", {312, 320, 65, 25}},
            {"Button", "Exit", {384, 320, 65, 25}},
            {"Static", "Nodlink v. 1.0 by the Nodlink developers", {16, 368, 0, 13}}};
}

std::vector<Expected> MessageBox(const std::string& text, std::vector<std::string> buttons, bool icon = false)
{
    std::vector<Expected> controls;
    if (icon)
        controls.push_back({"Static", "<icon>"});
    for (const std::string& button : buttons)
        controls.push_back({"Button", button});
    controls.push_back({"Static", text});
    return controls;
}

// In this order on one window: each leaves what the next needs.
const WindowCase Windows[] = {
    {"main-window", [](TNodlink&, ModalAnswerer&) {}, true, "", MainWindowShowing("Stopped")},
    {"input-box", [](TNodlink& form, ModalAnswerer& dialogs) { dialogs.Press("Cancel"), form.AddClick(); }, false,
     "OK", {{"Static", "Enter name for the new profile."}, {"Edit", ""}, {"Button", "OK"}, {"Button", "Cancel"}}},
    {"cannot-delete-the-default",
     [](TNodlink& form, ModalAnswerer& dialogs) { dialogs.Press("OK"), form.DeleteClick(); }, false, "OK",
     MessageBox("Cannot delete the default setup.", {"OK"})},
    {"delete-prompt",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         form.ListProfiles.SetItemIndex(1), LoadSelectedProfile();
         dialogs.Press("&No"), form.DeleteClick();
     },
     false, "&No", MessageBox("Delete current profile?", {"&Yes", "&No"})},
    {"save-prompt",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         form.XSens.SetText("5"), dialogs.Press("Cancel"), LoadSelectedProfile();
     },
     false, "OK", MessageBox("The current profile has been modified.Save changes?", {"OK", "Cancel"})},
    {"profile-name-exists",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         dialogs.TypeAndPressEnter("x"), dialogs.Press("OK"), form.AddClick();
     },
     false, "OK", MessageBox("Profile name already exists.", {"OK"})},
    {"profile-not-saved",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         form.XSens.SetText("6"), DeleteFileA(CurrentProfilePath.c_str());
         dialogs.Press("OK"), dialogs.Press("OK"), LoadSelectedProfile();
     },
     false, "OK", MessageBox("The profile could not be saved.", {"OK"})},
    {"exception",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         form.Add.OnClick = [] { throw std::runtime_error("Something went wrong."); };
         dialogs.Press("OK"), SendMessageA(form.Add.Handle(), BM_CLICK, 0, 0);
     },
     false, "OK", MessageBox("Something went wrong.", {"OK"}, true)},
    {"main-window-tracking",
     [](TNodlink& form, ModalAnswerer& dialogs) {
         form.ListProfiles.SetItemIndex(0), dialogs.Press("Cancel"), form.RunClick();
         MappingParameters = {true, false, false, 1, 1, 0, 0};
         Doubles().sample[0] = Doubles().sample[1] = INT32_MIN; // the longest text there is
         form.Timer1Timer();
     },
     true, "", MainWindowShowing("Running        x = -2147483648  y = -2147483648")},
};

void ExpectShown(const ShownWindow& shown, const WindowCase& window)
{
    EXPECT_EQ(shown.title, "Nodlink");
    EXPECT_EQ(shown.DefaultButton(), window.defaultButton);
    std::vector<std::string> seen, expected;
    for (const ShownControl& control : shown.controls)
        seen.push_back(control.className + " \"" + control.text + "\"");
    for (const Expected& control : window.controls)
        expected.push_back(control.className + std::string(" \"") + control.text + "\"");
    ASSERT_EQ(seen, expected);
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(seen[i]);
        const RECT rect = shown.controls[i].rect;
        const TBounds at96 = window.controls[i].at96;
        EXPECT_TRUE(shown.controls[i].fits) << "the text does not fit its control, or the control its window";
        if (at96.Left + at96.Top + at96.Height == 0)
            continue;
        const LONG width = at96.Width ? ScaleToDpi(at96.Width) : rect.right - rect.left;
        EXPECT_EQ(std::tuple(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                  std::tuple(ScaleToDpi(at96.Left), ScaleToDpi(at96.Top), width, ScaleToDpi(at96.Height)));
    }
}

int FontHeight(HWND window)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

using WindowsAsShown = NodlinkTest;
}

TEST_F(WindowsAsShown, EveryWindowShowsItsTextsWhole)
{
    folder.Write("default.vfx", TemplateProfile);
    folder.Write("x.vfx", TemplateProfile);
    TNodlink& form = Form();
    const char* gallery = std::getenv("NODLINK_GALLERY");
    std::string picture;
    dialogs.OnShown = [&](HWND dialog) { gallery ? SaveWindowPicture(dialog, picture) : void(); };
    for (const WindowCase& window : Windows) {
        SCOPED_TRACE(window.name);
        picture = std::string(gallery ? gallery : "") + "\\" + window.name + ".bmp";
        window.show(form, dialogs);
        UpdateWindow(form.Handle());
        if (gallery && window.mainWindow)
            SaveWindowPicture(form.Handle(), picture);
        ExpectShown(window.mainWindow ? Describe(form.Handle()) : dialogs.Seen().back(), window);
    }
}

TEST_F(WindowsAsShown, TheMainWindowHasItsSizeFontsTickAndTabOrder)
{
    TNodlink& form = Form();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(std::tuple(client.right, client.bottom), std::tuple(ScaleToDpi(463), ScaleToDpi(398)));
    EXPECT_EQ(form.Timer1.Interval(), 3u) << "ms: Windows raises it to its own minimum";
    EXPECT_EQ(std::tuple(FontHeight(form.Add.Handle()), FontHeight(form.Status.Handle())),
              std::tuple(ScaleToDpi(-11), ScaleToDpi(-19)));
    const LONG_PTR frame = WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & frame, WS_CAPTION) << "fixed size, no minimise box";
    std::vector<HWND> order{GetNextDlgTabItem(form.Handle(), nullptr, FALSE)};
    while (order.size() < 14)
        order.push_back(GetNextDlgTabItem(form.Handle(), order.back(), FALSE));
    EXPECT_EQ(order, (std::vector<HWND>{form.ListProfiles.Handle(), form.Delete.Handle(), form.Add.Handle(),
                                        form.AbsMode.Handle(), form.InvertX.Handle(), form.InvertY.Handle(),
                                        form.XSens.Handle(), form.YSens.Handle(), form.BaseX.Handle(),
                                        form.BaseY.Handle(), form.Run.Handle(), form.Stop.Handle(),
                                        form.Exit.Handle(), form.ListProfiles.Handle()}))
        << "Tab walks the controls in their order and comes round again";
}
