#pragma once
#include <string>

// Modal dialogs owned by the application's main form.

// Caption, prompt, a one-line edit showing DEFAULTTEXT, OK and Cancel, from the dialog resource
// IDD_INPUTBOX that the executable carries (InputBoxResource.h). OK and Enter give the edit's
// text; Cancel, Esc and the close box give DEFAULTTEXT.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultText);

// TEXT with the application title as caption and one OK button, no icon.
void ShowMessage(const std::string& text);
