// What the window's handlers need from a front-end: its controls, the file dialog, message boxes,
// and a worker thread for the conversion.
#pragma once

#include "MessageBoxView.h"
#include "OptionTable.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane {

// Texts are UTF-8. Every call but OnWindowThread comes on the window's thread. Setting the text
// of txtGPX to a different text must call the handlers' txtGPX_Change before the setter returns,
// as typing in the box does.
class FormView : public MessageBoxView {
public:
    // Text of the GPX file box, and replacing it
    virtual std::string txtGPX() = 0;
    virtual void setTxtGPX(const std::string& text) = 0;
    // Text of the CSV output file box, and replacing it
    virtual std::string txtMM() = 0;
    virtual void setTxtMM(const std::string& text) = 0;
    // Text of the icon directory box, and replacing it
    virtual std::string txtIcon() = 0;
    virtual void setTxtIcon(const std::string& text) = 0;
    // Text of the user's geocaching name box, and replacing it
    virtual std::string txtCacher() = 0;
    virtual void setTxtCacher(const std::string& text) = 0;
    // True when the yes-or-no option's control or menu entry (OptionRow::control) says yes, and
    // making it say yes or no
    virtual bool Choice(const OptionRow& option) = 0;
    virtual void SetChoice(const OptionRow& option, bool yes) = 0;
    // Show the file-open dialog with filter ("Name (*.ext)|*.ext|..." pairs) in initialDirectory ("" lets
    // the dialog choose), its name field holding fileName, adding defaultExtension ("csv"; "" for none)
    // to a name typed without an extension; the full path, or nothing on cancel
    virtual std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                  const std::string& fileName, const std::string& defaultExtension) = 0;
    // Run work on a thread of its own and return when it has ended, throwing here what it threw;
    // meanwhile the window keeps painting and carries out OnWindowThread calls, and holds the
    // user's input back
    virtual void RunOnWorker(const std::function<void()>& work) = 0;
    // Carry out work on the window's thread and return when it is done; from any thread
    virtual void OnWindowThread(const std::function<void()>& work) = 0;
    // Show the busy cursor over the window, or the usual one again
    virtual void SetBusy(bool busy) = 0;
    // Close the window as the close box does
    virtual void Close() = 0;
};

}  // namespace corvane
