#include "format_string.h"
#include "settings_names.h"
#include "strings.h"
#include "viewer_settings.h"

namespace {
int g_rememberedType = 0;
constexpr int kRememberedTypeArgument = 7;
}  // namespace

void SetRememberedTypeIndex(int type)
{
    if (type >= 0 && type < kSaveTypeCount)
        g_rememberedType = type;
}

int RememberedTypeIndex() { return g_rememberedType; }

FormatRecord ReadFormatRecord(int type)
{
    const unsigned name = TypeWordEntry(type);
    if (!name || RecordFieldCount(type) == 0)
        return FormatRecord{};
    // The value is named by the type word.
    const CSettingsStore store = ViewerSettings();
    if (RecordIsNumber(type)) {
        FormatRecord record;
        record.field[0] = static_cast<int>(store.ReadNumber(kSetSave, name, 0));
        return record;
    }
    return ParseRecordText(type, store.ReadText(kSetSave, name));
}

void StoreFormatRecord(int type, const FormatRecord& record)
{
    const unsigned name = TypeWordEntry(type);
    if (!name || RecordFieldCount(type) == 0)
        return;
    const CSettingsStore store = ViewerSettings();
    if (RecordIsNumber(type))
        store.WriteNumber(kSetSave, name, static_cast<DWORD>(record.field[0]));
    else
        store.WriteText(kSetSave, name, RecordText(type, record).c_str());
}

std::string GetFormatString(int mode, int type)
{
    if (type == kRememberedTypeArgument)
        type = g_rememberedType;
    return BuildFormatString(mode, type, ReadFormatRecord(type), [](unsigned entry) {
        std::string text;
        framework::TryLoadText(entry, text);
        return text;
    });
}
