#pragma once
// Profiles: INI files "*.vfx" in the program directory holding the seven mapping parameters,
// and the state that links them to the dialog's parameter controls.
#include <string>

extern bool ProfileModified;           // a parameter control changed since the last load
extern std::string CurrentProfilePath; // full path of the last profile loaded successfully

bool RefreshCatalogue();    // lists the program directory's profiles; nothing selected after
bool LoadSelectedProfile(); // the list's selection into MappingParameters and the controls
bool SaveCurrentProfile();  // the controls into the file at CurrentProfilePath

// When the controls hold unsaved edits, asks whether to save them into the current profile.
void OfferToSavePendingEdits();
