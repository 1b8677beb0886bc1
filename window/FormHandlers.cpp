// The handlers: settings to controls and back, the browse dialogs, and a conversion on the worker.
#include "FormHandlers.h"

#include "ConvertSequence.h"
#include "FollowOutputName.h"
#include "FormLayout.h"
#include "InitialDirectory.h"
#include "LoadDocument.h"
#include "Messages.h"
#include "OutputName.h"
#include "PastedPath.h"
#include "TextEncoder.h"
#include "TrimBlanks.h"
#include "WriteIconsHere.h"

namespace corvane {

namespace {

// Pocket queries arrive as zip files, which convert as they are.
constexpr const char* kGpxFilter = "GPX Files (*.gpx *.zip)|*.gpx;*.zip|All Files (*.*)|*.*";
constexpr const char* kCsvFilter = "CSV (*.csv)|*.csv|All Files (*.*)|*.*";
// Memory Map's import filter shows only names ending in .csv.
constexpr const char* kCsvExtension = "csv";

// The controls' values for a run. The window takes no input while the run goes on its worker,
// so these are the values the controls keep meanwhile. The path boxes are read as pasted paths.
RunOptions ReadControls(FormView& view) {
    RunOptions options;
    options.inputs = {PastedPath(view.txtGPX())};
    options.output = PastedPath(view.txtMM());
    options.iconFolder = PastedPath(view.txtIcon());
    options.userName = view.txtCacher();
    options.includeHints = view.chkHint();
    options.linkToWebsite = view.optURL0();
    options.kindsByType = view.mnuIconsByType();
    return options;
}

}  // namespace

void FormHandlers::Form_Load() {
    settings_.LoadSettings(store_, firstRunIconFolder_);
    // Setting the GPX path runs the output-name rule; the saved CSV path then replaces its result,
    // and when the two are the same the output box goes on following the GPX box.
    view_.setTxtGPX(settings_.GPXPath);
    view_.setTxtMM(settings_.CSVPath);
    view_.setTxtIcon(settings_.IconPath);
    view_.setTxtCacher(settings_.Name);
    // Only exactly "C" means CacheMate; any other stored value, an empty one too, means the web site.
    view_.setOptURL(settings_.Include == "C" ? 1 : 0);
    view_.setChkHint(settings_.Hint == "Y");
    view_.setMnuIconsByType(settings_.Kinds == "Type");
    // "Encoding" is set by hand; a name that is no code page would otherwise go unnoticed while
    // every CSV file came out in the system's code page.
    if (!settings_.Encoding.empty() && CanonicalCodePage(settings_.Encoding).empty())
        view_.MsgBox("The \"Encoding\" setting \"" + settings_.Encoding + "\" names no code page Corvane knows.",
                     kStyleExclamation, std::string(kFormCaption),
                     "Use one of windows-1250 to windows-1258 or utf-8. Until then CSV files are written in " +
                         DefaultCodePage() + ".");
}

bool FormHandlers::Form_QueryUnload() {
    if (converting_) closeWhenDone_ = true;
    return !converting_;
}

void FormHandlers::Form_Unload() {
    settings_.GPXPath = view_.txtGPX();
    settings_.CSVPath = view_.txtMM();
    settings_.IconPath = view_.txtIcon();
    // No one's geocaching name starts or ends with a blank; one pasted along with it is not kept.
    settings_.Name = TrimBlanks(view_.txtCacher());
    settings_.Include = view_.optURL0() ? "U" : "C";
    settings_.Hint = view_.chkHint() ? "Y" : "N";
    settings_.Kinds = view_.mnuIconsByType() ? "Type" : "Container";
    // A store that cannot be written fails quietly: the window is closing, the user's files are
    // not at stake, and a box at every close would be all the user could do about it.
    settings_.SaveSettings(store_);
}

void FormHandlers::cmdConvert_Click() {
    if (converting_) return;
    RunOptions options = ReadControls(view_);
    options.codePage = CanonicalCodePage(settings_.Encoding);
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
    view_.SetBusy(true);
    RunResult result;
    view_.RunOnWorker([&] { result = LoadDocument(options); });
    view_.SetBusy(false);
    if (result.iconFolder) view_.setTxtIcon(*result.iconFolder);
    TellOutcome(view_, result, options.output);
    converting_ = false;
    if (closeWhenDone_) view_.Close();
}

void FormHandlers::Browse(const std::string& start, void (FormView::*write)(const std::string&), const char* filter,
                          const char* extension) {
    if (converting_) return;
    try {
        const std::optional<std::string> chosen =
            view_.ChooseFile(filter, InitialDirectory(start), InitialFileName(start), extension);
        if (chosen) (view_.*write)(*chosen);
    } catch (...) {
    }
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

void FormHandlers::Form_DropFile(const std::string& path) {
    view_.setTxtGPX(path);
}

}  // namespace corvane
