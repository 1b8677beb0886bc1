// Code page conversions with the C library's iconv.
#include "CodePage.h"

#include "LocaleCodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace corvane {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// Write out whatever the converter still holds back and return it to its initial state.
void Flush(iconv_t cd, std::vector<char>& buffer, std::string& utf8) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    utf8.append(buffer.data(), out);
}

}  // namespace

std::string DefaultCodePage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return CodePageForLocale(value);
    }
    return "windows-1252";
}

// An open iconv descriptor, closed with the converter.
struct CodePageConverter::State {
    explicit State(iconv_t descriptor) : cd(descriptor) {}
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() { iconv_close(cd); }
    const iconv_t cd;
};

CodePageConverter::CodePageConverter() = default;
CodePageConverter::~CodePageConverter() = default;

bool CodePageConverter::Open(const std::string& codePage) {
    state_.reset();
    // Big-endian UTF-32 needs no byte order mark and reads the same on every machine.
    const iconv_t cd = iconv_open(codePage.c_str(), "UTF-32BE");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    state_ = std::make_unique<State>(cd);
    return true;
}

bool CodePageConverter::Convert(char32_t ch, std::string& bytes) {
    if (!state_) return false;
    const iconv_t cd = state_->cd;

    std::array<char, 4> in{static_cast<char>(ch >> 24), static_cast<char>(ch >> 16), static_cast<char>(ch >> 8),
                           static_cast<char>(ch)};
    std::array<char, 16> out{};
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();

    // A non-zero count means the converter substituted something of its own; the fallback is the encoder's.
    const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == 0;
    // The Vietnamese and Hebrew converters may hold a character back to join it with a following
    // mark; flushing emits it and returns the converter to its initial state for the next character.
    const bool flushed = iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    if (!converted || !flushed) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return false;
    }
    bytes.assign(out.data(), outPtr);
    return !bytes.empty();
}

bool ConverterKnows(std::string_view encoding) {
    const iconv_t cd = iconv_open("UTF-8", std::string(encoding).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

bool ConvertToUtf8(std::string_view bytes, std::string_view encoding, std::string& utf8) {
    const iconv_t cd = iconv_open("UTF-8", std::string(encoding).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;

    utf8.clear();
    utf8.reserve(bytes.size() + bytes.size() / 4);
    std::vector<char> buffer(kChunkSize);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        const int error = errno;
        utf8.append(buffer.data(), out);
        if (converted || error == E2BIG) continue;

        // An invalid or truncated sequence: whatever came before it goes out first, then one "?"
        // for its first byte, and the converter starts afresh on the next byte.
        Flush(cd, buffer, utf8);
        utf8 += '?';
        ++in;
        --inLeft;
    }
    Flush(cd, buffer, utf8);
    iconv_close(cd);
    return true;
}

}  // namespace corvane
