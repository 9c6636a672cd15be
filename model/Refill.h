#pragma once

#include "model/ChoiceList.h"

#include <cstdint>

// Rebuilds a numeric list as "0" up to the bound (a negative bound counts as 0) and keeps
// the previous choice where it fits, else the bound. No selection stays no selection.
void RefillUpTo(CChoiceList& list, int32_t nBound);
