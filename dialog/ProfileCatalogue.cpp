#include "Profiles.h"
#include "Unit1.h"

bool RefreshCatalogue()
{
    return true;
}

void TNodlink::AddClick()
{
}

void TNodlink::DeleteClick()
{
}
