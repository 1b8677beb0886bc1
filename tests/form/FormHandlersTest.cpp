// frmMain's handlers over a scripted form: the output name that follows the GPX box, the
// dialogs' starting folder and name, and the first-run icon folder.
#include "FormHandlers.h"
#include "InitialDirectory.h"
#include "ProgramArguments.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace corvane {
namespace {

// A form whose controls are plain fields; a changed GPX text runs txtGPX_Change as typing does.
struct ScriptedForm : FormView {
    FormHandlers* handlers = nullptr;
    std::string gpx, mm, icon, cacher;
    int hint = 0, option = 1;
    std::optional<std::string> next;   // the dialog's answer; nothing: cancel
    std::vector<std::string> dialogs;  // "folder|name" of each dialog shown
    std::vector<std::string> boxes;    // the prompt of each message box shown

    std::string txtGPX() override { return gpx; }
    void setTxtGPX(const std::string& text) override {
        if (std::exchange(gpx, text) != text) handlers->txtGPX_Change();
    }
    std::string txtMM() override { return mm; }
    void setTxtMM(const std::string& text) override { mm = text; }
    std::string txtIcon() override { return icon; }
    void setTxtIcon(const std::string& text) override { icon = text; }
    std::string txtCacher() override { return cacher; }
    void setTxtCacher(const std::string& text) override { cacher = text; }
    int chkHint() override { return hint; }
    void setChkHint(int value) override { hint = value; }
    bool optURL0() override { return option == 0; }
    void setOptURL(int index) override { option = index; }
    void setMnuIconsByType(bool) override {}
    int MsgBox(const std::string& prompt, int, const std::string&) override {
        boxes.push_back(prompt);
        return kAnswerOK;
    }
    std::optional<std::string> ChooseFile(const std::string&, const std::string& folder,
                                          const std::string& name) override {
        dialogs.push_back(folder + "|" + name);
        return std::exchange(next, std::nullopt);
    }
};

struct MemoryStore : SettingsStore {
    std::map<std::string, std::string> values;  // by key
    std::string GetSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& fallback) override {
        return values.contains(key) ? values[key] : fallback;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        values[key] = value;
    }
};

using Stored = std::map<std::string, std::string>;

// A loaded form over the stored values
struct Form {
    ScriptedForm view;
    MemoryStore store;
    FormHandlers handlers{view, store, "C:\\Corvane\\MM Icons\\"};

    explicit Form(Stored stored = {}) {
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

TEST(FormHandlers, OutputNameFollowsTheGpxBoxUntilTheUserNamesOne) {
    const struct {
        std::string output;            // typed into the output box first
        std::vector<std::string> gpx;  // typed into the GPX box in turn
        std::string expected;
    } rows[] = {
        {"", {"~/caches/week.gpx"}, "~/caches/week.csv"},
        {"", {"C:\\Caches\\week.gpx"}, "C:\\Caches\\week.csv"},
        {"", {"/tm"}, ""},
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

TEST(FormHandlers, ABrowsedOrDroppedGpxFileCarriesTheOutputNameAlong) {
    Form form(Stored{{"GPXPath", "/data/week.gpx"}, {"CSVPath", "/data/week.csv"}});
    form.view.next = "/data/all.gpx";
    form.handlers.cmdGPX_Click();
    EXPECT_EQ(form.view.mm, "/data/all.csv");
    form.view.next = "/out/mine.csv";
    form.handlers.cmdMM_Click();
    form.handlers.Form_DropFile("/data/month.gpx");
    EXPECT_EQ(form.view.mm, "/out/mine.csv");
}

TEST(FormHandlers, ARememberedOutputNameOfItsOwnStands) {
    Form form(Stored{{"GPXPath", "/data/week.gpx"}, {"CSVPath", "/data/other.csv"}});
    form.handlers.Form_DropFile("/data/all.gpx");
    EXPECT_EQ(form.view.mm, "/data/other.csv");
}

// The output dialog never starts with the GPX file's name: one Open there would replace it with CSV.
TEST(FormHandlers, EachDialogStartsWithItsOwnBoxsFileName) {
    Form form;
    form.view.next = "C:\\Caches\\week.gpx";
    form.handlers.cmdGPX_Click();
    form.view.mm.clear();
    form.handlers.cmdMM_Click();
    form.view.mm = "D:\\Out\\all.csv";
    form.handlers.cmdMM_Click();
    form.handlers.cmdGPX_Click();
    EXPECT_EQ(form.view.dialogs,
              (std::vector<std::string>{"|", "C:\\Caches\\|week.csv", "D:\\Out\\|all.csv", "C:\\Caches\\|week.gpx"}));
}

TEST(FormHandlers, DialogFolderAndNameComeFromTheBox) {
    const std::string rows[][3] = {
        {" C:\\Caches\\week.gpx ", "C:\\Caches\\", "week.gpx"},   {"   ", "", ""},
        {"\tC:\\Caches\\week.gpx", "\tC:\\Caches\\", "week.gpx"}, {"C:\\Caches/week.gpx", "C:\\Caches/", "week.gpx"},
        {"/home/me\\week.csv", "/home/me\\", "week.csv"},         {"week.csv", "", "week.csv"},
    };
    for (const auto& [box, folder, name] : rows) {
        EXPECT_EQ(InitialDirectory(box), folder) << box;
        EXPECT_EQ(InitialFileName(box), name) << box;
    }
}

// Only an absent icon folder takes the front-end's first-run one; one stored, even empty, wins.
TEST(FormHandlers, FirstRunIconFolder) {
    EXPECT_EQ(Form().view.icon, "C:\\Corvane\\MM Icons\\");
    EXPECT_EQ(Form(Stored{{"IconPath", ""}}).view.icon, "");
    EXPECT_EQ(Form(Stored{{"IconPath", "D:\\Icons\\"}}).view.icon, "D:\\Icons\\");
    MemoryStore store;
    ScriptedForm view;
    FormHandlers handlers(view, store);
    view.handlers = &handlers;
    handlers.Form_Load();
    EXPECT_EQ(view.icon, "\\MM Icons\\");
}

// A hand-set "Encoding" that names no code page is told at start; a known one in any spelling is not.
TEST(FormHandlers, AnUnknownEncodingIsToldAtStart) {
    EXPECT_EQ(Form(Stored{{"Encoding", "cp1250"}}).view.boxes, std::vector<std::string>{});
    const std::vector<std::string> boxes = Form(Stored{{"Encoding", "latin2"}}).view.boxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with("The \"Encoding\" setting \"latin2\" names no code page")) << boxes[0];
}

TEST(FormHandlers, ProgramArguments) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, "open ''"},
        {{"--help"}, "help"},
        {{"--version", "x"}, "version"},
        {{"--bogus"}, "refuse '--bogus' is not an option of corvane (see corvane --help)."},
        {{"/no/such.gpx"}, "refuse '/no/such.gpx' is not an existing file."},
        {{CORVANE_SOURCE_DIR "/samples"}, "refuse '" CORVANE_SOURCE_DIR "/samples' is not an existing file."},
        {{CORVANE_SOURCE_DIR "/samples/caches.gpx"}, "open '" CORVANE_SOURCE_DIR "/samples/caches.gpx'"},
        {{"a.gpx", "b.gpx"}, "refuse Corvane opens one GPX file at a time."},
    };
    for (const auto& [args, expected] : rows) {
        const ProgramArguments read = ReadProgramArguments(args);
        const char* actions[] = {"open '", "help", "version", "refuse "};
        std::string described = actions[static_cast<int>(read.action)];
        if (read.action == ProgramAction::Open) described += read.gpx + "'";
        if (read.action == ProgramAction::Refuse) described += read.text;
        EXPECT_EQ(described, expected);
    }
}

}  // namespace
}  // namespace corvane
