// ASCII is copied in runs; other text is composed, and each character converted once by the platform and kept.
#include "TextEncoder.h"

#include "AsciiCase.h"
#include "Decompose.h"

#include <utf8proc.h>

namespace corvane {

namespace {

constexpr std::string_view kFallbackCodePage = "windows-1252";
constexpr std::string_view kSubstitute = "?";
// Canonical composition (NFC), without the compositions later versions of Unicode added
constexpr auto kCompose = static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE);

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

}  // namespace

std::string CanonicalCodePage(std::string_view name) {
    const std::string lower = AsciiLowercase(name);
    if (lower == "utf-8" || lower == "utf8") return "utf-8";

    std::string_view number = lower;
    if (number.starts_with("windows-")) {
        number.remove_prefix(8);
    } else if (number.starts_with("cp")) {
        number.remove_prefix(2);
    } else {
        return "";
    }
    if (number.size() != 4 || !number.starts_with("125") || number[3] < '0' || number[3] > '8') return "";
    return "windows-" + std::string(number);
}

std::string OutputCodePage(std::string_view name) {
    const std::string canonical = CanonicalCodePage(name);
    return canonical.empty() ? DefaultCodePage() : canonical;
}

TextEncoder::TextEncoder(std::string_view codePage) : codePage_(OutputCodePage(codePage)) {
    utf8_ = codePage_ == "utf-8";
    if (utf8_) return;
    if (!converter_.Open(codePage_)) {
        codePage_ = kFallbackCodePage;
        converter_.Open(codePage_);
    }
}

void TextEncoder::Encode(std::string_view utf8, std::string& out) {
    const std::size_t size = utf8.size();
    std::size_t pos = 0;
    while (pos < size) {
        // Nearly all of a geocaching file is ASCII, which every code page shares: copy it in runs.
        std::size_t run = pos;
        while (run < size && IsAscii(utf8[run])) ++run;
        out.append(utf8.data() + pos, run - pos);
        pos = run;
        if (pos == size) break;

        std::size_t end = pos;
        while (end < size && !IsAscii(utf8[end])) ++end;
        // An ASCII letter may be the base of the marks that follow it ("e" and U+0301), so
        // it is composed along with them.
        const std::size_t start = pos > 0 && !utf8_ ? pos - 1 : pos;
        if (start < pos) out.pop_back();
        EncodeChars(utf8.substr(start, end - start), out);
        pos = end;
    }
}

// Encode text, which holds characters beyond ASCII, composed unless the output is UTF-8.
void TextEncoder::EncodeChars(std::string_view utf8, std::string& out) {
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
    const auto size = static_cast<utf8proc_ssize_t>(utf8.size());
    if (!utf8_) {
        if (composed_.size() < utf8.size()) composed_.resize(utf8.size());
        utf8proc_ssize_t count = utf8proc_decompose(bytes, size, composed_.data(),
                                                    static_cast<utf8proc_ssize_t>(composed_.size()), kCompose);
        if (count > static_cast<utf8proc_ssize_t>(composed_.size())) {
            composed_.resize(static_cast<std::size_t>(count));
            count = utf8proc_decompose(bytes, size, composed_.data(), count, kCompose);
        }
        // Invalid UTF-8 is encoded character by character below, each invalid byte as "?".
        if (count >= 0) {
            count = utf8proc_normalize_utf32(composed_.data(), count, kCompose);
            for (utf8proc_ssize_t i = 0; i < count; ++i) {
                const auto ch = static_cast<char32_t>(composed_[static_cast<std::size_t>(i)]);
                if (ch < 0x80) {
                    out += static_cast<char>(ch);
                } else {
                    Append(EncodeChar(ch), out);
                }
            }
            return;
        }
    }
    utf8proc_ssize_t pos = 0;
    while (pos < size) {
        utf8proc_int32_t ch = 0;
        const utf8proc_ssize_t length = utf8proc_iterate(bytes + pos, size - pos, &ch);
        if (length <= 0) {
            // The GPX file's fault, not the code page's: counted apart.
            out += kSubstitute;
            ++invalid_;
            ++pos;
            continue;
        }
        if (utf8_) {
            out.append(utf8.data() + pos, static_cast<std::size_t>(length));
        } else {
            Append(EncodeChar(static_cast<char32_t>(ch)), out);
        }
        pos += length;
    }
}

void TextEncoder::Append(const std::string& bytes, std::string& out) {
    // No character beyond ASCII has "?" as its own bytes, so this is always a substitute.
    if (bytes == kSubstitute) ++substituted_;
    out += bytes;
}

const std::string& TextEncoder::EncodeChar(char32_t ch) {
    if (const auto found = cache_.find(ch); found != cache_.end()) return found->second;

    std::string bytes;
    if (!converter_.Convert(ch, bytes)) {
        // Only the base letter is kept: "č" becomes "c", its caron is dropped.
        DecomposedChar parts{};
        const std::size_t count = Decompose(ch, parts);
        const auto base = static_cast<char32_t>(parts[0]);
        const bool decomposed = count > 0 && base != ch;
        if (decomposed && base < 0x80) {
            bytes.assign(1, static_cast<char>(base));
        } else if (!decomposed || !converter_.Convert(base, bytes)) {
            bytes = kSubstitute;
        }
    }
    return cache_.emplace(ch, std::move(bytes)).first->second;
}

}  // namespace corvane
