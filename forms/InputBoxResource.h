#pragma once
// The input box is a dialog resource of the program (see dialog/Nodlink.rc), where its texts
// and layout can be read at a glance. Plain #defines: the resource compiler reads this too.
#define IDD_INPUTBOX 300
#define IDC_INPUTBOX_PROMPT 301
#define IDC_INPUTBOX_EDIT 302
