// The handlers: settings to controls and back, the browse dialogs, and a conversion on the worker.
#include "FormHandlers.h"

#include "AsciiCase.h"
#include "ConvertSequence.h"
#include "FollowOutputName.h"
#include "FormLayout.h"
#include "InitialDirectory.h"
#include "OptionTable.h"
#include "OutputName.h"
#include "PastedPath.h"
#include "RunConversion.h"
#include "TextEncoder.h"
#include "WriteIconsHere.h"

#include <algorithm>
#include <exception>

namespace corvane {

namespace {

// Pocket queries arrive as zip files, which convert as they are.
constexpr const char* kGpxFilter = "GPX Files (*.gpx *.zip)|*.gpx;*.zip|All Files (*.*)|*.*";
constexpr const char* kCsvFilter = "CSV (*.csv)|*.csv|All Files (*.*)|*.*";
// Memory Map's import filter shows only names ending in .csv.
constexpr const char* kCsvExtension = "csv";

// The options as the controls show them: the two text options in their boxes, the others in
// their controls or menu entries
RunSettings ChosenSettings(FormView& view) {
    RunSettings settings;
    settings.iconFolder = view.txtIcon();
    settings.userName = view.txtCacher();
    for (const OptionRow& option : kOptionTable) {
        if (option.yes) settings.*option.yes = view.Choice(option);
    }
    return settings;
}

// The controls' values for a run, taken when it starts; the window takes no input while the run
// goes on its worker. The path boxes are read as pasted paths.
RunOptions ReadControls(FormView& view) {
    RunOptions options;
    static_cast<RunSettings&>(options) = ChosenSettings(view);
    options.iconFolder = PastedPath(options.iconFolder);
    options.inputs = {{PastedPath(view.txtGPX())}};
    options.output.path = PastedPath(view.txtMM());
    return options;
}

// Runs its function when the scope ends, however it ends
template <typename Function>
struct ScopeExit {
    Function function;
    ~ScopeExit() { function(); }
};

}  // namespace

void FormHandlers::Form_Load() {
    settings_.Load(store_, firstRunIconFolder_);
    // Setting the GPX path runs the output-name rule; the saved CSV path then replaces its result,
    // and when the two are the same the output box goes on following the GPX box.
    view_.setTxtGPX(settings_.gpxPath);
    view_.setTxtMM(settings_.csvPath);
    view_.setTxtIcon(settings_.run.iconFolder);
    view_.setTxtCacher(settings_.run.userName);
    for (const OptionRow& option : kOptionTable) {
        if (option.yes) view_.SetChoice(option, settings_.run.*option.yes);
    }
    // "Encoding" is set by hand; a name that is no code page would otherwise go unnoticed while
    // every CSV file came out in the system's code page.
    if (!settings_.encoding.empty() && CanonicalCodePage(settings_.encoding).empty())
        view_.MsgBox("The \"Encoding\" setting \"" + settings_.encoding + "\" names no code page Corvane knows.",
                     BoxKind::Warning, std::string(kFormCaption),
                     "Use one of windows-1250 to windows-1258 or utf-8. Until then CSV files are written in " +
                         DefaultCodePage() + ".");
}

bool FormHandlers::Form_QueryUnload() {
    if (converting_) closeWhenDone_ = true;
    return !converting_;
}

void FormHandlers::Form_Unload() {
    settings_.gpxPath = view_.txtGPX();
    settings_.csvPath = view_.txtMM();
    settings_.run = ChosenSettings(view_);
    // A store that cannot be written fails quietly: the window is closing, the user's files are
    // not at stake, and a box at every close would be all the user could do about it.
    settings_.Save(store_);
}

void FormHandlers::cmdConvert_Click() {
    if (converting_) return;
    RunOptions options = ReadControls(view_);
    options.codePage = CanonicalCodePage(settings_.encoding);
    // The question comes from the worker; it is asked on the window's thread, under the arrow.
    options.mayReplace = [this](const std::string& path) {
        bool yes = false;
        view_.OnWindowThread([&] {
            view_.SetBusy(false);
            yes = AskReplace(view_, path);
            view_.SetBusy(true);
        });
        return yes;
    };
    converting_ = true;
    // However the run ends, the window takes clicks, drops and a close again; a close asked for
    // during the run is carried out.
    const ScopeExit ended{[this] {
        converting_ = false;
        if (closeWhenDone_) view_.Close();
    }};
    RunResult result;
    {
        view_.SetBusy(true);
        const ScopeExit arrow{[this] { view_.SetBusy(false); }};
        // What the worker throws, or the worker's own failure to run, ends the run as a write that
        // did not happen: the window stays, and the user is told why.
        try {
            view_.RunOnWorker([&] { result = ProtectedRun(options); });
        } catch (const std::exception& error) {
            result = WriteFailure({Doing::Save, Fault::Stopped, options.output.path, {}, error.what()});
        } catch (...) {
            result = WriteFailure({Doing::Save, Fault::Stopped, options.output.path});
        }
    }
    if (result.iconFolder) view_.setTxtIcon(*result.iconFolder);
    TellOutcome(view_, result, options.output.path);
}

void FormHandlers::Browse(const std::string& start, void (FormView::*write)(const std::string&), const char* filter,
                          const char* extension) {
    if (converting_) return;
    // A cancel comes back as no file; nothing else here fails but memory, which no handler catches.
    const std::optional<std::string> chosen =
        view_.ChooseFile(filter, InitialDirectory(start), InitialFileName(start), extension);
    if (chosen) (view_.*write)(*chosen);
}

void FormHandlers::cmdClose_Click() {
    view_.Close();
}

void FormHandlers::cmdGPX_Click() {
    Browse(view_.txtGPX(), &FormView::setTxtGPX, kGpxFilter, "");
}

void FormHandlers::cmdMM_Click() {
    // Never the GPX file's own name: one Open there and one Yes would replace the GPX file with CSV.
    const std::string output = view_.txtMM();
    Browse(output.empty() ? derivedName_ : output, &FormView::setTxtMM, kCsvFilter, kCsvExtension);
}

void FormHandlers::txtGPX_Change() {
    const std::string derived = OutputName(PastedPath(view_.txtGPX())).value_or("");
    const std::optional<std::string> output = FollowOutputName(view_.txtMM(), derivedName_, derived);
    derivedName_ = derived;
    if (output) view_.setTxtMM(*output);
}

void FormHandlers::mnuWriteIcons_Click() {
    if (converting_) return;
    WriteIconsHere(IconFolder(PastedPath(view_.txtIcon()), PastedPath(view_.txtMM())), view_);
}

void FormHandlers::OptionsMenu_Click(const MenuItem& item) {
    if (item.kind == MenuItemKind::WriteIcons) mnuWriteIcons_Click();
    if (item.option) view_.SetChoice(*item.option, !view_.Choice(*item.option));
}

void FormHandlers::Form_DropFile(const std::vector<std::string>& paths) {
    // A drop is input like a click: during a run the boxes keep the values the run reads.
    if (converting_ || paths.empty()) return;
    const auto caches = std::ranges::find_if_not(
        paths, [](const std::string& path) { return AsciiLowercase(path).ends_with("-wpts.gpx"); });
    view_.setTxtGPX(caches != paths.end() ? *caches : paths.front());
}

}  // namespace corvane
