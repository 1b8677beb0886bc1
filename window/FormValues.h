// The controls a conversion reads, taken once when it starts, for a run on a thread of its own.
#pragma once

#include "WindowToolkit.h"

#include <string>

namespace corvane {

// While a run goes on its own thread the window takes no input, so the controls keep these
// values; the run reads them here instead of asking the window's thread for each waypoint.
struct FormValues {
    std::string txtGPX, txtMM, txtIcon, txtCacher;
    int chkHint = 0;
    bool optURL0 = false;
    bool mnuIconsByType = false;

    // The values view's controls hold now
    static FormValues Read(WindowToolkit& view) {
        return {view.txtGPX(),  view.txtMM(),   view.txtIcon(),       view.txtCacher(),
                view.chkHint(), view.optURL0(), view.mnuIconsByType()};
    }
};

}  // namespace corvane
