// The main frame's Volume Setting command: a mixer program if one starts,
// else the viewer's own line-in dialog.
#pragma once

void RunVolumeSetting();
