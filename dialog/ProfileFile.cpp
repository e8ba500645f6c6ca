#include "Profiles.h"

bool ProfileModified = false;
std::string CurrentProfilePath;

bool LoadSelectedProfile()
{
    return false;
}

bool SaveCurrentProfile()
{
    return false;
}

void OfferToSavePendingEdits()
{
}
