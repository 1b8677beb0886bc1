// What frmMain's handlers need from a front-end: the controls the conversion reads, the ones the
// handlers set, and the file dialog.
#pragma once

#include "WindowToolkit.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane {

// Texts are UTF-8. Setting the text of txtGPX to a different text must call the handlers'
// txtGPX_Change before the setter returns, as typing in the box does.
class FormView : public WindowToolkit {
public:
    // Replace the text of the GPX file box
    virtual void setTxtGPX(const std::string& text) = 0;
    // Replace the text of the CSV output file box
    virtual void setTxtMM(const std::string& text) = 0;
    // Replace the text of the user's geocaching name box
    virtual void setTxtCacher(const std::string& text) = 0;
    // Tick (1) or clear (0) the hint check box
    virtual void setChkHint(int value) = 0;
    // Select element index (0 or 1) of the link pair, which clears the other
    virtual void setOptURL(int index) = 0;
    // Tick or clear "Icons by cache type"
    virtual void setMnuIconsByType(bool checked) = 0;
    // Show the file-open dialog with filter ("Name (*.ext)|*.ext|..." pairs) in initialDirectory ("" lets
    // the dialog choose), its name field holding fileName; the full path, or nothing on cancel
    virtual std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                  const std::string& fileName) = 0;
    // Run a conversion over this view and return when it has ended, its last box answered; the
    // window takes no input meanwhile. Here it runs on the window's thread, which it holds.
    virtual void RunConversion(const std::function<void()>& conversion) { conversion(); }
};

}  // namespace corvane
