#include "signal_text.h"

#include "setup_link.h"
#include "signal_rules.h"
#include "strings.h"

void CSignalText::Refresh()
{
    SetDlgItemTextA(page_, id_, framework::LoadText(setup::SignalTypeString(ReadSignalType())).c_str());
}
