// The window's event handlers, the same for every front-end: load, unload, browse, the output name,
// the Options menu, dropped files and Convert.
#pragma once

#include "FormView.h"
#include "OptionsMenu.h"
#include "Settings.h"
#include "SettingsStore.h"

#include <string>
#include <utility>
#include <vector>

namespace corvane {

// A front-end calls one handler per event of its controls, on its window's thread. While a
// conversion runs, the handlers of buttons, of writing the icons and of drops do nothing (an option
// may change: the run took the options when it started), and a close waits for its end.
class FormHandlers {
public:
    // Handlers over the front-end's controls and settings store, both of which must outlive them;
    // the icon box starts with firstRunIconFolder while no icon folder is stored
    FormHandlers(FormView& view, SettingsStore& store, std::string firstRunIconFolder = kDefaultIconFolder)
        : view_(view), store_(store), firstRunIconFolder_(std::move(firstRunIconFolder)) {}

    // Fills the controls from the settings, before the window is shown
    void Form_Load();
    // Asked when the window is to close; false during a conversion, which then closes the window
    // when it has ended, so that the settings hold what it used
    bool Form_QueryUnload();
    // Copies the controls into the settings and saves them; the window closes whatever happens
    void Form_Unload();
    // Runs one conversion over the controls' values on a worker, with the code page of the
    // "Encoding" setting, and tells the user how it went, a failure of the worker included;
    // refuses a CSV name that would replace a GPX or zip file before anything else
    void cmdConvert_Click();
    // Closes the window, as its close box does
    void cmdClose_Click();
    // Lets the user choose the GPX file
    void cmdGPX_Click();
    // Lets the user choose the CSV file
    void cmdMM_Click();
    // Makes the output box follow the GPX name until the user gives a name of their own; runs for
    // every change of the GPX box
    void txtGPX_Change();
    // Writes the icon set into the folder the icon box names ("Write Corvane's Icons Here")
    void mnuWriteIcons_Click();
    // Carries out an entry of the Options menu (kOptionsMenu): turns its option on or off, or
    // writes the icons
    void OptionsMenu_Click(const MenuItem& item);
    // Takes the files dropped on the window as the GPX file: the first that is not the waypoints
    // file of a pocket query (NAME-wpts.gpx), which goes along with its caches file, else the first
    void Form_DropFile(const std::vector<std::string>& paths);

private:
    // Shows the file dialog in the folder and with the file name of the path start, adding extension
    // ("" for none) to a name typed without one, and puts the chosen file into the box that write
    // sets; the user's cancel leaves the box as it was
    void Browse(const std::string& start, void (FormView::*write)(const std::string&), const char* filter,
                const char* extension);

    Settings settings_;
    FormView& view_;
    SettingsStore& store_;
    std::string firstRunIconFolder_;
    std::string derivedName_;     // the output name the GPX box's text gives, "" for none
    bool converting_ = false;     // a conversion runs
    bool closeWhenDone_ = false;  // the window was closed during the conversion
};

}  // namespace corvane
