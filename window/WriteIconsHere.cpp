// The icon box's text as a folder, and the boxes that tell how writing the icons went.
#include "WriteIconsHere.h"

#include "Utf8Path.h"
#include "WriteIconSet.h"

#include <algorithm>

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kTitle = "Memory Map Icons";

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

// A box's text as a path, backslashes read as separators, in the system's own separators
fs::path BoxPath(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return PathOf(text).make_preferred();
}

}  // namespace

std::string IconFolder(const std::string& iconBox, const std::string& csvBox) {
    if (Blank(iconBox)) return {};
    fs::path folder = BoxPath(iconBox);
    if (!folder.is_absolute()) {
        std::error_code error;
        const fs::path base =
            Blank(csvBox) ? fs::current_path(error) : fs::absolute(BoxPath(csvBox), error).parent_path();
        folder = base / folder;
    }
    folder = folder.lexically_normal();
    // A trailing separator names the same folder.
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return Utf8Of(folder);
}

void WriteIconsHere(const std::string& folder, MessageBoxView& boxes) {
    using icons::WriteIconsOutcome;
    if (folder.empty()) {
        boxes.MsgBox("Please name the icon folder first.", BoxKind::Warning, kTitle, {});
        return;
    }
    icons::WriteIconsResult result = icons::WriteIconSet(folder, false);
    if (result.outcome == WriteIconsOutcome::NotReplaced) {
        const std::string question = "Some icon files in " + folder + " differ from Corvane's. Replace them?";
        if (boxes.MsgBox(question, BoxKind::Question, kTitle, {}) != BoxAnswer::Yes) return;
        result = icons::WriteIconSet(folder, true);
    }
    if (result.outcome == WriteIconsOutcome::WriteFailed) {
        boxes.MsgBox("I could not write the icons: " + icons::WriteIconsFailure(result.failure), BoxKind::Warning,
                     kTitle, {});
        return;
    }
    boxes.MsgBox("Corvane's icons are in " + folder + ": " + std::to_string(result.written.size()) + " written, " +
                     std::to_string(result.unchanged.size()) + " already there.",
                 BoxKind::Information, kTitle, {});
}

}  // namespace corvane
