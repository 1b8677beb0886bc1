// A scripted window for driving conversions in tests: controls are plain fields, message
// boxes are recorded and answered from a queue.
#pragma once

#include "WindowToolkit.h"

#include <deque>
#include <string>
#include <vector>

namespace corvane::testing {

struct ShownMessage {
    std::string prompt;
    int style;
    std::string title;
};

class FakeWindow : public WindowToolkit {
public:
    std::string gpx, mm, icon = "\\MM Icons\\", cacher;
    int hint = 0;
    bool website = false;
    bool byType = false;
    std::deque<int> answers;  // answers to Yes/No questions; No when empty
    std::vector<ShownMessage> shown;
    int iconSets = 0;  // how often txtIcon was set
    int cacherReads = 0;

    std::string txtGPX() override { return gpx; }
    std::string txtMM() override { return mm; }
    std::string txtIcon() override { return icon; }
    void setTxtIcon(const std::string& text) override {
        icon = text;
        ++iconSets;
    }
    std::string txtCacher() override {
        ++cacherReads;
        return cacher;
    }
    int chkHint() override { return hint; }
    bool optURL0() override { return website; }
    bool mnuIconsByType() override { return byType; }
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        shown.push_back({prompt, style, title});
        if (style != kStyleQuestion) return kAnswerOK;
        if (answers.empty()) return kAnswerNo;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Prompts shown, in order
    std::vector<std::string> prompts() const {
        std::vector<std::string> p;
        for (const auto& m : shown) p.push_back(m.prompt);
        return p;
    }
};

}  // namespace corvane::testing
