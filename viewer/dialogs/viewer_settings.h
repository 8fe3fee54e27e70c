// The viewer's settings store at the registry key the application set, with
// section and value names from the string table.
#pragma once
#include "settings_names.h"
#include "settings_store.h"
#include <string>

CSettingsStore ViewerSettings();
// The text of a name entry (settings_names.h).
std::string SettingName(UINT entry);
