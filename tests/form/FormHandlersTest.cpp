// The window's handlers over a fake view: output name, browsing, dropping, settings, the Options
// menu, the conversion's boxes, a close during a run, writing the icons and the program's
// arguments; what each front-end adds is tested with it.
#include "ConvertSequence.h"
#include "FormHandlers.h"
#include "FormLayout.h"
#include "InitialDirectory.h"
#include "Messages.h"
#include "PastedPath.h"
#include "ProgramArguments.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

namespace corvane {
namespace {

using testing::ReadFile;
using Shown = std::vector<std::string>;

// A store in memory, keyed "section/key"
struct MemoryStore : SettingsStore {
    std::map<std::string, std::string> values;
    std::string GetSetting(const std::string&, const std::string& section, const std::string& key,
                           const std::string& fallback) override {
        const auto found = values.find(section + "/" + key);
        return found == values.end() ? fallback : found->second;
    }
    void SaveSetting(const std::string&, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[section + "/" + key] = value;
    }
};

// Controls as fields, the options' by their controls' names; the dialog answers with the
// queued names, boxes are recorded as "prompt|kind|title|detail" and questions answered with
// answer; the worker runs in place, then throws failure when it is set.
struct FakeView : FormView {
    FormHandlers* handlers = nullptr;
    std::string gpx, mm, icon, cacher;
    std::map<std::string_view, bool> choices;
    std::vector<std::string> next, dialogs, events;
    Shown shown;
    BoxAnswer answer = BoxAnswer::No;
    std::string failure;

    std::string txtGPX() override { return gpx; }
    void setTxtGPX(const std::string& text) override {
        const bool changed = text != gpx;
        gpx = text;
        if (changed) handlers->txtGPX_Change();
    }
    std::string txtMM() override { return mm; }
    void setTxtMM(const std::string& text) override { mm = text; }
    std::string txtIcon() override { return icon; }
    void setTxtIcon(const std::string& text) override { icon = text; }
    std::string txtCacher() override { return cacher; }
    void setTxtCacher(const std::string& text) override { cacher = text; }
    bool Choice(const OptionRow& option) override { return choices[option.controlName]; }
    void SetChoice(const OptionRow& option, bool yes) override { choices[option.controlName] = yes; }
    BoxAnswer MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                     const std::string& detail) override {
        const char* kinds[] = {"warning", "question", "information"};
        shown.push_back(prompt + "|" + kinds[static_cast<int>(kind)] + "|" + title + "|" + detail);
        events.push_back("box");
        return kind == BoxKind::Question ? answer : BoxAnswer::OK;
    }
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& folder, const std::string& name,
                                          const std::string& extension) override {
        dialogs.push_back(filter + "|" + folder + "|" + name + "|" + extension);
        if (next.empty()) return std::nullopt;
        const std::string chosen = next.front();
        next.erase(next.begin());
        return chosen;
    }
    void RunOnWorker(const std::function<void()>& work) override {
        events.push_back("worker");
        // The user closes the window and drops a file on it while the run goes on.
        if (handlers->Form_QueryUnload()) events.push_back("closed during the run");
        handlers->Form_DropFile({"/data/dropped.gpx"});
        work();
        if (!failure.empty()) throw std::runtime_error(failure);
    }
    void OnWindowThread(const std::function<void()>& work) override { work(); }
    void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "arrow"); }
    void Close() override { events.push_back("close"); }
};

using Stored = std::map<std::string, std::string>;

// A loaded form over the stored values, with the front-end's first-run icon folder
struct Form {
    MemoryStore store;
    FakeView view;
    FormHandlers handlers;
    explicit Form(Stored stored = {}, std::string firstRunIconFolder = kDefaultIconFolder)
        : handlers(view, store, std::move(firstRunIconFolder)) {
        store.values = std::move(stored);
        view.handlers = &handlers;
        handlers.Form_Load();
    }
    // Type text into the GPX box one key at a time, after the keys that clear it
    void Type(const std::string& text) {
        while (!view.gpx.empty()) view.setTxtGPX(view.gpx.substr(0, view.gpx.size() - 1));
        for (std::size_t n = 1; n <= text.size(); ++n) view.setTxtGPX(text.substr(0, n));
    }
};

TEST(Form, OutputNameFollowsTheGpxBoxUntilTheUserNamesOne) {
    const struct {
        std::string output;            // typed into the output box first
        std::vector<std::string> gpx;  // typed into the GPX box in turn
        std::string expected;
    } rows[] = {
        {"", {"~/caches/week.gpx"}, "~/caches/week.csv"},
        {"", {"\"C:\\Caches\\week.gpx\" "}, "C:\\Caches\\week.csv"},
        {"", {"~/caches/week.gpx", "~/caches/all.gpx"}, "~/caches/all.csv"},
        {"", {"~/caches/week.gpxx", "~/caches/week.gpx"}, "~/caches/week.csv"},
        {"D:\\all.csv", {"C:\\week.gpx"}, "D:\\all.csv"},
        {"  ", {"C:\\week.gpx"}, "  "},
    };
    for (const auto& row : rows) {
        Form form;
        form.view.mm = row.output;
        for (const std::string& gpx : row.gpx) form.Type(gpx);
        EXPECT_EQ(form.view.mm, row.expected) << row.gpx.back();
    }
}

// The output name follows a browsed or dropped GPX file, from a remembered derived name too, until
// the user names one; each dialog starts with its own box's name, the output dialog with the
// derived name while its box is empty: never the GPX file's own name, which one Open and one Yes
// would replace with CSV; it adds ".csv" to a name typed without an extension. A cancel changes
// nothing. The GPX box is read as a pasted path. Of a pocket query's two files dropped together,
// the caches file is taken; a waypoints file alone is taken as it is.
TEST(Form, BrowsingAndDroppingCarryTheOutputNameAlong) {
    Form form(Stored{{"Startup/GPXPath", " \"/data/week.gpx\""}, {"Startup/CSVPath", "/data/week.csv"}});
    form.view.next = {"/data/all.gpx"};
    form.handlers.cmdGPX_Click();
    EXPECT_EQ(form.view.mm, "/data/all.csv");
    form.view.mm.clear();
    form.handlers.cmdMM_Click();
    form.view.next = {"/out/mine.csv"};
    form.handlers.cmdMM_Click();
    form.handlers.Form_DropFile({"/data/month-WPTS.gpx", "/data/month.gpx", "/data/week.gpx"});
    EXPECT_EQ(form.view.gpx, "/data/month.gpx");
    EXPECT_EQ(form.view.mm, "/out/mine.csv");
    const std::string gpx = "GPX Files (*.gpx *.zip)|*.gpx;*.zip|All Files (*.*)|*.*|";
    const std::string csv = "CSV (*.csv)|*.csv|All Files (*.*)|*.*|";
    EXPECT_EQ(form.view.dialogs, (std::vector<std::string>{gpx + "/data/|week.gpx|", csv + "/data/|all.csv|csv",
                                                           csv + "/data/|all.csv|csv"}));
    EXPECT_TRUE(form.view.shown.empty());
    Form other(Stored{{"Startup/GPXPath", "/data/week.gpx"}, {"Startup/CSVPath", "/data/other.csv"}});
    other.handlers.Form_DropFile({"/data/all-wpts.gpx"});
    EXPECT_EQ(other.view.gpx, "/data/all-wpts.gpx");
    EXPECT_EQ(other.view.mm, "/data/other.csv");
}

// A path as people paste it: with blanks, in Explorer's quotes, or as a file manager's or a browser's address.
TEST(Form, PastedPaths) {
    using enum PathSyntax;
    const std::tuple<std::string, PathSyntax, std::string> rows[] = {
        {" \t/home/kate/week.gpx \r\n", Posix, "/home/kate/week.gpx"},
        {"\"C:\\Users\\kate\\week.gpx\" ", Windows, "C:\\Users\\kate\\week.gpx"},
        {"\"\"a.gpx\"\"", Posix, "\"a.gpx\""},
        {"\"C:\\a.gpx", Windows, "\"C:\\a.gpx"},
        {"file:///home/kate/Pocket%20Query%c3%A9.gpx", Posix, "/home/kate/Pocket Query\xC3\xA9.gpx"},
        {"\"FILE://localhost/home/kate/100%.gpx\"", Posix, "/home/kate/100%.gpx"},
        {"file://server/share/a.gpx", Posix, "file://server/share/a.gpx"},
        {"file://localhost/C:/Users/kate/Pocket%20Query.gpx", Windows, "C:\\Users\\kate\\Pocket Query.gpx"},
        {"file://server/share/a.gpx", Windows, "\\\\server\\share\\a.gpx"},
        {"file:///a%zz%4", Windows, "\\a%zz%4"},
    };
    for (const auto& [box, syntax, path] : rows) EXPECT_EQ(PastedPath(box, syntax), path) << box;
}

TEST(Form, DialogFolderAndNameComeFromTheBox) {
    const std::string rows[][3] = {
        {"C:\\Caches/week.gpx", "C:\\Caches/", "week.gpx"},
        {"/home/me\\week.csv", "/home/me\\", "week.csv"},
        {"week.csv", "", "week.csv"},
    };
    for (const auto& [box, folder, name] : rows) {
        EXPECT_EQ(InitialDirectory(box), folder) << box;
        EXPECT_EQ(InitialFileName(box), name) << box;
    }
}

// Only an absent icon folder takes the front-end's first-run one; one stored, even empty, wins.
TEST(Form, FirstRunIconFolder) {
    EXPECT_EQ(Form({}, "C:\\Corvane\\MM Icons\\").view.icon, "C:\\Corvane\\MM Icons\\");
    EXPECT_EQ(Form(Stored{{"Startup/IconPath", ""}}, "C:\\Corvane\\MM Icons\\").view.icon, "");
    EXPECT_EQ(Form().view.icon, "\\MM Icons\\");
}

// A hand-set "Encoding" that names no code page is told at start; a known one in any spelling is not.
TEST(Form, AnUnknownEncodingIsToldAtStart) {
    EXPECT_EQ(Form(Stored{{"Startup/Encoding", "cp1250"}}).view.shown, Shown{});
    const Shown shown = Form(Stored{{"Startup/Encoding", "latin2"}}).view.shown;
    EXPECT_TRUE(shown.size() == 1 && shown[0].starts_with("The \"Encoding\" setting \"latin2\" names no code page"));
}

TEST(Form, SettingsFillTheControlsAndCloseSavesThem) {
    const struct {
        const char *include, *hint, *kinds, *leaveOut, *saved;  // saved: the list as saved again
        bool website, hinted, byType;
    } rows[] = {{"C", "Y", "Type", "unavailable,found", "found,unavailable", false, true, true},
                {"U", "N", "Container", "own,Found", "own", true, false, false},
                {"c", "y", "type", "", "", true, false, false},
                {nullptr, nullptr, nullptr, nullptr, "", false, false, false}};
    for (const auto& row : rows) {
        Stored stored{{"Startup/GPXPath", " C:\\week.gpx"},
                      {"Startup/CSVPath", ""},
                      {"Startup/IconPath", "D:\\Icons "},
                      {"Startup/Encoding", "utf-8"}};
        if (row.include)
            stored.insert({{"Startup/Include", row.include}, {"Startup/Hint", row.hint}, {"Startup/Kinds", row.kinds}});
        if (row.leaveOut) stored["Startup/LeaveOut"] = row.leaveOut;
        Form form(stored);
        // The stored CSV path, even empty, replaces the one the GPX path gives.
        EXPECT_EQ(form.view.mm, "");
        form.view.cacher = " Oak ";
        ASSERT_TRUE(form.handlers.Form_QueryUnload());
        form.handlers.Form_Unload();
        // Spaces kept in paths, not around the name; Encoding is never written, so it stays as stored.
        // The options are saved from the view, so they show what loading set there too.
        EXPECT_EQ(form.store.values, (Stored{{"Startup/GPXPath", " C:\\week.gpx"},
                                             {"Startup/CSVPath", ""},
                                             {"Startup/IconPath", "D:\\Icons "},
                                             {"Startup/Name", "Oak"},
                                             {"Startup/Include", row.website ? "U" : "C"},
                                             {"Startup/Hint", row.hinted ? "Y" : "N"},
                                             {"Startup/Kinds", row.byType ? "Type" : "Container"},
                                             {"Startup/LeaveOut", row.saved},
                                             {"Startup/Encoding", "utf-8"}}));
    }
}

// The Options menu: a check entry for each option of the table shown in the menu, in the table's
// order, then the icon writer. A click turns the option on or off, and the window remembers it.
TEST(Form, OptionsMenuEntriesTurnTheirOptionsOnAndOff) {
    std::vector<std::string_view> captions, expected;
    for (const MenuItem& item : kOptionsMenu) captions.push_back(item.caption);
    for (const OptionRow& row : kOptionTable)
        if (row.yes && row.control == OptionControl::MenuEntry) expected.push_back(row.caption);
    expected.insert(expected.end(), {"", "Write Corvane's Icons Here"});
    EXPECT_EQ(captions, expected);
    Form form;
    for (const bool on : {true, false}) {
        for (const MenuItem& item : kOptionsMenu) {
            if (!item.option) continue;
            form.handlers.OptionsMenu_Click(item);
            EXPECT_EQ(form.view.choices[item.name], on) << item.caption;
        }
        form.handlers.Form_Unload();
        EXPECT_EQ(Form(form.store.values).view.choices, form.view.choices);
    }
}

const std::string kNames = "Please give me some file names to play with.|warning|Conversion|";
const std::string kLoad =
    "I have a problem loading the GPX file, please check it or select another.|warning|Convertion|";
const std::string kAsk = "Overwrite the existing file?|question|Conversion|";
const std::string kDone = "Complete!|information|Conversion|";
const std::string kWrite =
    "I have a problem writing the CSV file, please check it or select another.|warning|Conversion|";

// Convert runs over the controls (the path boxes read as pasted paths) and the "Encoding" setting;
// every outcome has its boxes, "Complete!" with what was written, or that nothing was. A CSV name
// that would replace a GPX or zip file is refused before the question, whatever the answer, and
// nothing is written: not even the icon table, which would set the icon box.
TEST(Form, ConvertShowsTheBoxesOfItsOutcome) {
    testing::TempDir dir;
    const std::string oak = dir.Write("oak.gpx", testing::kOakGpx), out = dir.path("out.csv");
    const std::string none = dir.path("none.gpx"), lost = dir.path("no/out.csv");
    const std::string other = dir.Write("other.gpx", testing::kOakGpx), zip = dir.Write("pq.zip", "PK\x03\x04");
    const std::string gpxName = ": the name is a GPX or zip file's, not a CSV file's";
    const std::string wrote = "1 waypoint written to " + out, kept = "Nothing was written; " + out + " is as it was.";
    const struct {
        std::string gpx, mm;
        bool exists;
        BoxAnswer answer;
        Shown shown;
    } rows[] = {
        {"", out, false, BoxAnswer::Yes, {kNames}},
        {none, out, true, BoxAnswer::Yes, {kLoad + none + ": No such file or directory"}},
        {" \"" + oak + "\"", out + "\t", false, BoxAnswer::No, {kDone + wrote}},
        {oak, out, true, BoxAnswer::No, {kAsk + out, kDone + kept}},
        {oak, out, true, BoxAnswer::Yes, {kAsk + out, kDone + wrote}},
        {oak, lost, false, BoxAnswer::Yes, {kWrite + lost + ": the folder does not exist"}},
        {oak, oak, false, BoxAnswer::Yes, {kWrite + oak + ": the file is the GPX file being converted"}},
        {oak, other, false, BoxAnswer::Yes, {kWrite + other + gpxName}},
        {oak, zip, false, BoxAnswer::Yes, {kWrite + zip + gpxName}},
        {oak, dir.path("new.gpx"), false, BoxAnswer::Yes, {kWrite + dir.path("new.gpx") + gpxName}},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(out);
        if (row.exists) dir.Write("out.csv", "old");
        Form form(std::map<std::string, std::string>{{"Startup/Encoding", "utf-8"}});
        form.view.gpx = row.gpx, form.view.mm = row.mm, form.view.icon = " C:\\Icons", form.view.cacher = "Alice";
        form.view.choices = {{"optURL0", true}, {"chkHint", true}};
        form.view.answer = row.answer;
        form.handlers.cmdConvert_Click();
        EXPECT_EQ(form.view.shown, row.shown) << row.gpx << " > " << row.mm;
        const bool written = row.shown.back().ends_with(wrote);
        EXPECT_EQ(form.view.icon, written ? "C:\\Icons\\" : " C:\\Icons") << row.gpx;
        if (written) {
            EXPECT_EQ(testing::Lines(ReadFile(out)).at(80), testing::OakLine("306", "\xC3\xA9", true, true));
        }
    }
}

// The question and "Complete!" name the CSV file by its full path; what the run could not do
// justice to follows the written line, a line each.
TEST(Form, TheBoxesNameTheFullPathAndTellWhatWasLost) {
    FakeView view;
    RunResult result;
    result.outcome = RunOutcome::Written, result.waypoints = 683, result.leftOut = 2, result.substituted = 880,
    result.codePage = "windows-1252", result.leftOutBy = {12, 0, 0, 0, 500};
    AskReplace(view, "week.csv");
    TellOutcome(view, result, "week.csv");
    const std::u8string full = (std::filesystem::current_path() / "week.csv").u8string();
    const std::string path(full.begin(), full.end());
    EXPECT_EQ(view.shown,
              (Shown{kAsk + path, kDone + "683 waypoints written to " + path +
                                      "\n2 waypoints without coordinates left out\n12 caches you found left out\n"
                                      "500 doubles left out\n880 characters not in windows-1252 written as \"?\""}));
}

// No control covers a part of another at any resolution from 96 to 288 dots per inch; Windows paints
// a label's background over whatever its rectangle reaches.
TEST(Form, NoControlCoversAnother) {
    std::set<std::string> covered;
    for (int dpi = 96; dpi <= 288; ++dpi) {
        const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
        for (const ControlLayout& a : kFormControls) {
            for (const ControlLayout& b : kFormControls) {
                const ControlLayout p = Drawn(a), q = Drawn(b);
                const bool across = px(p.left) + px(p.width) > px(q.left) && px(q.left) + px(q.width) > px(p.left);
                if (&a != &b && across && px(p.top) + px(p.height) > px(q.top) && px(q.top) + px(q.height) > px(p.top))
                    covered.insert(std::string(a.name));
            }
        }
    }
    EXPECT_EQ(covered, std::set<std::string>{});
}

// The busy cursor covers the run but not its boxes; a close during the run waits for its end, a
// drop is ignored. A worker that fails is a write that did not happen, and the window goes on.
TEST(Form, AWindowClosedDuringARunClosesAfterItsLastBox) {
    for (const std::string failure : {"", "no thread"}) {
        testing::TempDir dir;
        Form form;
        const std::string gpx = form.view.gpx = dir.Write("oak.gpx", testing::kOakGpx);
        form.view.mm = dir.Write("out.csv", "old"), form.view.failure = failure;
        form.handlers.cmdConvert_Click();
        EXPECT_EQ(form.view.events,
                  (std::vector<std::string>{"busy", "worker", "arrow", "box", "busy", "arrow", "box", "close"}));
        EXPECT_EQ(form.view.shown.back(), failure.empty()
                                              ? kDone + "Nothing was written; " + form.view.mm + " is as it was."
                                              : kWrite + form.view.mm + ": no thread");
        EXPECT_EQ(form.view.gpx, gpx);
        EXPECT_TRUE(form.handlers.Form_QueryUnload());
    }
}

// An empty box is refused; the box is read as a pasted path, a relative folder taken from the CSV
// file's folder; different files are replaced after a Yes only (the boxes tell how many were written).
TEST(Form, WriteIconsHereAsksBeforeReplacing) {
    testing::TempDir dir;
    Form form;
    form.view.mm = dir.path("out.csv");
    form.view.icon = " ";
    form.handlers.OptionsMenu_Click(kOptionsMenu.back());
    form.view.icon = "\"MM Icons\\\" ";
    const std::string folder = std::filesystem::path(dir.path("MM Icons")).make_preferred().string();
    const std::string parking = dir.path("MM Icons/parking.bmp");
    form.handlers.mnuWriteIcons_Click();
    std::filesystem::resize_file(parking, 1);
    form.view.answer = BoxAnswer::No;
    form.handlers.mnuWriteIcons_Click();
    form.view.answer = BoxAnswer::Yes;
    form.handlers.mnuWriteIcons_Click();
    const std::string question =
        "Some icon files in " + folder + " differ from Corvane's. Replace them?|question|Memory Map Icons|";
    EXPECT_EQ(
        form.view.shown,
        (Shown{"Please name the icon folder first.|warning|Memory Map Icons|",
               "Corvane's icons are in " + folder + ": 87 written, 0 already there.|information|Memory Map Icons|",
               question, question,
               "Corvane's icons are in " + folder + ": 1 written, 86 already there.|information|Memory Map Icons|"}));
}

TEST(Form, ProgramArguments) {
    using enum ProgramAction;
    const std::tuple<std::vector<std::string>, ProgramAction, std::string> rows[] = {
        {{}, Open, ""},
        {{"--help"}, Help, "Usage: corvane [GPX]"},
        {{"--version", "x"}, Version, "corvane "},
        {{"--bogus"}, Refuse, "'--bogus' is not an option of corvane (see corvane --help)."},
        {{"/no/such.gpx"}, Refuse, "'/no/such.gpx' is not an existing file."},
        {{CORVANE_SOURCE_DIR "/samples"}, Refuse, "'" CORVANE_SOURCE_DIR "/samples' is not an existing file."},
        {{CORVANE_SOURCE_DIR "/samples/caches.gpx"}, Open, CORVANE_SOURCE_DIR "/samples/caches.gpx"},
        {{"a.gpx", "b.gpx"}, Refuse, "Corvane opens one GPX file at a time."},
    };
    for (const auto& [args, action, said] : rows) {
        const ProgramArguments read = ReadProgramArguments(args);
        EXPECT_EQ(read.action, action) << said;
        EXPECT_TRUE((action == Open ? read.gpx : read.text).starts_with(said)) << said;
    }
}

}  // namespace
}  // namespace corvane
