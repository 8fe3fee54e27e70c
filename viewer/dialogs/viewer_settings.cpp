#include "viewer_settings.h"
#include "strings.h"
#include "win_app.h"

CSettingsStore ViewerSettings()
{
    const framework::CWinApp* app = framework::CWinApp::Current();
    return app ? CSettingsStore(app->RegistryKey(), app->Title()) : CSettingsStore({}, {});
}

std::string SettingName(UINT entry)
{
    return framework::LoadText(entry);
}
