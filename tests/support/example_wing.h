#pragma once

#include "wing/wing.h"

namespace tavelor::testing {

// The two-panel example wing: every root chord equals the tip chord before it, so each panel's
// leading edge starts where the one before it ends.
inline const wing::WingInputs kTwoPanelWing{{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500};

}  // namespace tavelor::testing
