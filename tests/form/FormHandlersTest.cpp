// frmMain's handlers over a fake view: output name, browsing, settings, the conversion's boxes,
// a close during a run and writing the icons; what each front-end adds is tested with it.
#include "ConvertSequence.h"
#include "FormHandlers.h"
#include "InitialDirectory.h"
#include "Messages.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

// Controls as fields; the dialog answers with the queued names, boxes are recorded as
// "prompt|style|title|detail" and questions answered with answer; the worker runs in place.
struct FakeView : FormView {
    FormHandlers* handlers = nullptr;
    std::string gpx, mm, icon, cacher;
    bool hint = false, website = false, byType = false;
    std::vector<std::string> next, dialogs, events;
    Shown shown;
    int answer = kAnswerNo;

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
    bool chkHint() override { return hint; }
    void setChkHint(bool ticked) override { hint = ticked; }
    bool optURL0() override { return website; }
    void setOptURL(int index) override { website = index == 0; }
    bool mnuIconsByType() override { return byType; }
    void setMnuIconsByType(bool checked) override { byType = checked; }
    int MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) override {
        shown.push_back(prompt + "|" + std::to_string(style) + "|" + title + "|" + detail);
        events.push_back("box");
        return style == kStyleQuestion ? answer : kAnswerOK;
    }
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& folder,
                                          const std::string& name) override {
        dialogs.push_back(filter + "|" + folder + "|" + name);
        if (next.empty()) return std::nullopt;
        const std::string chosen = next.front();
        next.erase(next.begin());
        return chosen;
    }
    void RunOnWorker(const std::function<void()>& work) override {
        events.push_back("worker");
        // The user closes the window while the run goes on.
        if (handlers->Form_QueryUnload()) events.push_back("closed during the run");
        work();
    }
    void OnWindowThread(const std::function<void()>& work) override { work(); }
    void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "arrow"); }
    void Close() override { events.push_back("close"); }
};

struct Form {
    MemoryStore store;
    FakeView view;
    FormHandlers handlers{view, store};
    explicit Form(std::map<std::string, std::string> stored = {}) {
        store.values = std::move(stored);
        view.handlers = &handlers;
        handlers.Form_Load();
    }
};

TEST(Form, OutputNameFollowsAnEmptyOutputBox) {
    const std::array<std::string, 3> rows[] = {{"", "C:\\week.gpx", "C:\\week.csv"},
                                               {"D:\\all.csv", "C:\\week.gpx", "D:\\all.csv"},
                                               {"  ", "C:\\w.gpx", "  "}};
    for (const auto& [output, gpx, expected] : rows) {
        Form form;
        form.view.mm = output;
        form.view.setTxtGPX(gpx);
        EXPECT_EQ(form.view.mm, expected) << gpx;
    }
}

TEST(Form, InitialFolderIsTheBoxUpToItsLastSeparator) {
    const std::pair<std::string, std::string> rows[] = {
        {" C:\\Caches\\week.gpx ", "C:\\Caches\\"},   {"   ", ""},
        {"\tC:\\Caches\\week.gpx", "\tC:\\Caches\\"}, {"C:\\Caches/week.gpx", "C:\\Caches/"},
        {"/home/me\\week.csv", "/home/me\\"},         {"week.csv", ""}};
    for (const auto& [box, folder] : rows) EXPECT_EQ(InitialDirectory(box), folder) << box;
}

// Each dialog starts in its box's folder with the last name chosen; a cancel changes nothing.
TEST(Form, BrowseButtonsFillTheirBoxes) {
    Form form;
    form.view.next = {"/data/week.gpx", "/data/out/new.csv"};
    for (auto click : {&FormHandlers::cmdGPX_Click, &FormHandlers::cmdMM_Click, &FormHandlers::cmdGPX_Click,
                       &FormHandlers::cmdMM_Click})
        (form.handlers.*click)();
    EXPECT_EQ(form.view.gpx, "/data/week.gpx");
    EXPECT_EQ(form.view.mm, "/data/out/new.csv");
    const std::string gpx = "GPX Files (*.gpx *.zip)|*.gpx;*.zip|All Files (*.*)|*.*|";
    const std::string csv = "CSV (*.csv)|*.csv|All Files (*.*)|*.*|";
    EXPECT_EQ(form.view.dialogs, (std::vector<std::string>{gpx + "|", csv + "/data/|week.gpx", gpx + "/data/|new.csv",
                                                           csv + "/data/out/|new.csv"}));
    EXPECT_TRUE(form.view.shown.empty());
}

TEST(Form, SettingsFillTheControlsAndCloseSavesThem) {
    const struct {
        const char *include, *hint, *kinds;
        bool website, hinted, byType;
    } rows[] = {{"C", "Y", "Type", false, true, true},
                {"U", "N", "Container", true, false, false},
                {"c", "y", "type", true, false, false},
                {nullptr, nullptr, nullptr, false, false, false}};
    for (const auto& row : rows) {
        std::map<std::string, std::string> stored{{"Startup/GPXPath", " C:\\week.gpx"},
                                                  {"Startup/CSVPath", ""},
                                                  {"Startup/IconPath", "D:\\Icons "},
                                                  {"Startup/Encoding", "utf-8"}};
        if (row.include)
            stored.insert({{"Startup/Include", row.include}, {"Startup/Hint", row.hint}, {"Startup/Kinds", row.kinds}});
        Form form(stored);
        EXPECT_EQ(form.view.website, row.website) << row.include;
        EXPECT_EQ(form.view.hint, row.hinted) << row.include;
        EXPECT_EQ(form.view.byType, row.byType) << row.include;
        // The stored CSV path, even empty, replaces the one the GPX path gives.
        EXPECT_EQ(form.view.mm, "");
        form.view.cacher = " Oak ";
        ASSERT_TRUE(form.handlers.Form_QueryUnload());
        form.handlers.Form_Unload();
        const auto& saved = form.store.values;
        EXPECT_EQ(saved.at("Startup/GPXPath"), " C:\\week.gpx");
        EXPECT_EQ(saved.at("Startup/IconPath"), "D:\\Icons ");
        EXPECT_EQ(saved.at("Startup/Name"), " Oak ");
        EXPECT_EQ(saved.at("Startup/Include"), row.website ? "U" : "C");
        EXPECT_EQ(saved.at("Startup/Hint"), row.hinted ? "Y" : "N");
        EXPECT_EQ(saved.at("Startup/Kinds"), row.byType ? "Type" : "Container");
        EXPECT_EQ(saved.at("Startup/Encoding"), "utf-8");  // never written, so as stored
    }
}

const std::string kNames = "Please give me some file names to play with.|48|Conversion|";
const std::string kLoad = "I have a problem loading the GPX file, please check it or select another.|48|Convertion|";
const std::string kAsk = "Overwrite the existing file?|36|Conversion|";
const std::string kDone = "Complete!|64|Conversion|";
const std::string kWrite = "I have a problem writing the CSV file, please check it or select another.|48|Conversion|";

// Convert runs over the controls and the "Encoding" setting; every outcome has its boxes.
TEST(Form, ConvertShowsTheBoxesOfItsOutcome) {
    testing::TempDir dir;
    const std::string oak = dir.Write("oak.gpx", testing::kOakGpx), out = dir.path("out.csv");
    const std::string none = dir.path("none.gpx"), lost = dir.path("no/out.csv");
    const std::string noCoordinates = dir.Write("nc.gpx", "<gpx><wpt lat=\"\" lon=\"1\"/></gpx>");
    const struct {
        std::string gpx, mm;
        bool exists, byType;
        int answer;
        Shown shown;
    } rows[] = {
        {"", out, false, false, kAnswerYes, {kNames}},
        {none, out, true, false, kAnswerYes, {kLoad + none + ": No such file or directory"}},
        {oak, out, false, false, kAnswerNo, {kDone}},
        {oak, out, true, false, kAnswerNo, {kAsk + out, kDone}},
        {oak, out, true, false, kAnswerYes, {kAsk + out, kDone}},
        {oak, lost, false, false, kAnswerYes, {kWrite}},
        {noCoordinates,
         out,
         false,
         true,
         kAnswerYes,
         {"Complete!\n1 waypoint without coordinates left out|64|Conversion|"}},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(out);
        if (row.exists) dir.Write("out.csv", "old");
        Form form(std::map<std::string, std::string>{{"Startup/Encoding", "utf-8"}});
        form.view.gpx = row.gpx, form.view.mm = row.mm, form.view.icon = "C:\\Icons", form.view.cacher = "Alice";
        form.view.website = form.view.hint = true;
        form.view.byType = row.byType;
        form.view.answer = row.answer;
        form.handlers.cmdConvert_Click();
        EXPECT_EQ(form.view.shown, row.shown) << row.gpx << " > " << row.mm;
        const bool written = row.shown.back().starts_with("Complete!") && !(row.exists && row.answer == kAnswerNo);
        EXPECT_EQ(form.view.icon, written ? "C:\\Icons\\" : "C:\\Icons") << row.gpx;
        if (written && row.gpx == oak) {
            EXPECT_EQ(testing::Lines(ReadFile(out)).at(80), testing::OakLine("306", "\xC3\xA9", true, true));
        }
    }
}

TEST(Form, TheQuestionNamesTheFullPath) {
    FakeView view;
    AskReplace(view, "out.csv");
    const std::u8string full = (std::filesystem::current_path() / "out.csv").u8string();
    EXPECT_EQ(view.shown, Shown{kAsk + std::string(full.begin(), full.end())});
}

// The busy cursor covers the run but not its boxes; a close during the run waits for its end.
TEST(Form, AWindowClosedDuringARunClosesAfterItsLastBox) {
    testing::TempDir dir;
    Form form;
    form.view.gpx = dir.Write("oak.gpx", testing::kOakGpx);
    form.view.mm = dir.Write("out.csv", "old");
    form.handlers.cmdConvert_Click();
    EXPECT_EQ(form.view.events,
              (std::vector<std::string>{"busy", "worker", "arrow", "box", "busy", "arrow", "box", "close"}));
    EXPECT_TRUE(form.handlers.Form_QueryUnload());
}

// An empty box is refused; a relative folder is taken from the CSV file's folder; different files
// are replaced after a Yes.
TEST(Form, WriteIconsHereAsksBeforeReplacing) {
    testing::TempDir dir;
    Form form;
    form.view.mm = dir.path("out.csv");
    form.view.icon = " ";
    form.handlers.mnuWriteIcons_Click();
    form.view.icon = "MM Icons\\";
    const std::string folder = std::filesystem::path(dir.path("MM Icons")).make_preferred().string();
    const std::string parking = dir.path("MM Icons/parking.bmp");
    form.handlers.mnuWriteIcons_Click();
    std::filesystem::resize_file(parking, 1);
    form.view.answer = kAnswerNo;
    form.handlers.mnuWriteIcons_Click();
    EXPECT_EQ(std::filesystem::file_size(parking), 1u);
    form.view.answer = kAnswerYes;
    form.handlers.mnuWriteIcons_Click();
    EXPECT_EQ(std::filesystem::file_size(parking), 630u);
    const std::string question =
        "Some icon files in " + folder + " differ from Corvane's. Replace them?|36|Memory Map Icons|";
    EXPECT_EQ(
        form.view.shown,
        (Shown{"Please name the icon folder first.|48|Memory Map Icons|",
               "Corvane's icons are in " + folder + ": 86 written, 0 already there.|64|Memory Map Icons|", question,
               question, "Corvane's icons are in " + folder + ": 1 written, 85 already there.|64|Memory Map Icons|"}));
}

}  // namespace
}  // namespace corvane
