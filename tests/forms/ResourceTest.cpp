#include "GuiObjects.h"
#include "SampleForm.h"

using FormsResources = FormsTest;

namespace {
// Every control kind with every kind of resource: items, an own font, a picture, a running
// timer. Every other cycle the window goes first, as when the application terminates.
void CreateUseAndDestroyAForm(bool terminateFirst)
{
    Application->Initialize();
    SampleForm form;
    form.list.Add("one");
    form.list.Add("two");
    form.status.SetFont("MS Sans Serif", -19);
    form.status.SetCaption("Running");
    form.image.LoadJpegResource(TwoColoursJpeg);
    form.timer.SetEnabled(true);
    form.Show();
    Application->ProcessMessages();
    if (terminateFirst)
        Application->Terminate();
}
}

TEST_F(FormsResources, CreatingAndDestroyingAFormLeavesNoGdiOrUserObjectBehind)
{
    for (int cycle = 0; cycle < 4; ++cycle)
        CreateUseAndDestroyAForm(cycle % 2 == 1);
    Application->ProcessMessages();
    const GuiObjectCounts before = CountGuiObjects();
    for (int cycle = 0; cycle < 200; ++cycle)
        CreateUseAndDestroyAForm(cycle % 2 == 1);
    Application->ProcessMessages();
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
}
