#include "chroma_state.h"

#include "overlay_vocabulary.h"
#include "resource.h"

ChromaState& ProcessChromaState()
{
    static ChromaState state;
    return state;
}

const ToleranceRow kToleranceRows[4] = {
    {IDC_TOLERANCE_Y, IDC_TOLERANCE_Y_VALUE, overlay::kFmtChromaKeyRedLimit, 0, 255, 16},
    {IDC_TOLERANCE_U, IDC_TOLERANCE_U_VALUE, overlay::kFmtChromaKeyGreenLimit, 0, 255, 16},
    {IDC_TOLERANCE_V, IDC_TOLERANCE_V_VALUE, overlay::kFmtChromaKeyBlueLimit, 0, 255, 16},
    {0, 0, 0, 0, 0, 0},
};
