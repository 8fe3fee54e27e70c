#include "unfreeze_preference.h"

#include "viewer_settings.h"

bool UnfreezeWhenChromaKey()
{
    return ViewerSettings().ReadNumber(kSetPreferences, kSetUnfreeze, 1) != 0;
}
