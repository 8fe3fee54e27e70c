// The preference "Unfreeze Video when Chroma Key": whether opening the
// chroma key dialog lets the video run.  Read from the settings store at
// each use (section "Preferences", value "Unfreeze"; set unless stored).
#pragma once

bool UnfreezeWhenChromaKey();
