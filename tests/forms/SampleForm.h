#pragma once
// A form with every control kind, laid out like a small settings dialog, and a fresh
// application for every test.
#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "ListBox.h"
#include "Timer.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

constexpr int TwoColoursJpeg = 201; // 40 x 10: left half red, right half blue
constexpr int NotAPicture = 202;

struct SampleForm : TForm {
    SampleForm() : TForm("Sample", 463, 398) {}

    TGroupBox left{*this, {8, 8, 217, 273}, "Left"};
    TListBox list{left, {8, 16, 145, 241}};
    TButton second{left, {160, 80, 49, 25}, "Second"};
    TButton third{left, {160, 48, 49, 25}, "Third"};
    TGroupBox right{*this, {240, 8, 209, 273}, "Right"};
    TCheckBox check{right, {144, 24, 33, 25}};
    TEdit edit{right, {144, 88, 33, 21}, "10"};
    TLabel status{*this, {16, 288, 71, 24}, "Stopped"};
    TImage image{*this, {8, 320, 217, 41}};
    TButton run{*this, {240, 320, 65, 25}, "Run"};
    TTimer timer{*this, 3};
};

class FormsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        Application->Title = "Forms test";
    }
    void TearDown() override { Application->ProcessMessages(); }
};

// Pumps messages, pausing a little between rounds, until DONE holds or the rounds run out.
template <class Condition>
bool PumpUntil(Condition done, int rounds = 2000)
{
    for (int round = 0; round < rounds && !done(); ++round) {
        Application->ProcessMessages();
        Sleep(1);
    }
    return done();
}
