// The Save formats' words from the options the format pages stored in the
// settings store (section "Save"), read afresh on every call so that a page's
// change counts for the next save at once.
#pragma once
#include "format_record.h"
#include <string>

// Mode 0: the driver's type words; mode 1: the dialog's description.  Type
// 0 to 6, or 7 for the type the Save dialog remembers.
std::string GetFormatString(int mode, int type);

// The type last chosen in the Save dialog (0 until one is).
void SetRememberedTypeIndex(int type);
int RememberedTypeIndex();

// A type's options as stored (damaged or missing: every field 0), and
// storing them.
FormatRecord ReadFormatRecord(int type);
void StoreFormatRecord(int type, const FormatRecord& record);
