// Code page conversions with WideCharToMultiByte and MultiByteToWideChar.
#include "CodePage.h"

#include "AsciiCase.h"
#include "Decompose.h"
#include "TextEncoder.h"

#include <utf8proc.h>
#include <windows.h>

#include <array>
#include <string>

namespace corvane {
namespace {

struct NamedCodePage {
    std::string_view name;  // lower case
    UINT codePage;
};

// Encodings a document may declare and the Windows code page that reads each. Byte for byte
// they read as on Linux, except where Windows' own table differs from the C library's:
// iso-8859-7 (the 1987 edition, without € and ₯), iso-8859-8 (0xAF, 0xFD, 0xFE), koi8-u (0xAE and
// 0xBE are Belarusian ў and Ў) and windows-1255 (0xCA is U+05BA).
// clang-format off
constexpr std::array kNamedCodePages{
    NamedCodePage{"windows-1250", 1250}, NamedCodePage{"cp1250", 1250},
    NamedCodePage{"windows-1251", 1251}, NamedCodePage{"cp1251", 1251},
    NamedCodePage{"windows-1252", 1252}, NamedCodePage{"cp1252", 1252},
    NamedCodePage{"windows-1253", 1253}, NamedCodePage{"cp1253", 1253},
    NamedCodePage{"windows-1254", 1254}, NamedCodePage{"cp1254", 1254},
    NamedCodePage{"windows-1255", 1255}, NamedCodePage{"cp1255", 1255},
    NamedCodePage{"windows-1256", 1256}, NamedCodePage{"cp1256", 1256},
    NamedCodePage{"windows-1257", 1257}, NamedCodePage{"cp1257", 1257},
    NamedCodePage{"windows-1258", 1258}, NamedCodePage{"cp1258", 1258},
    NamedCodePage{"iso-8859-2", 28592},  NamedCodePage{"latin2", 28592},
    NamedCodePage{"iso-8859-3", 28593},  NamedCodePage{"latin3", 28593},
    NamedCodePage{"iso-8859-4", 28594},  NamedCodePage{"latin4", 28594},
    NamedCodePage{"iso-8859-5", 28595},
    NamedCodePage{"iso-8859-6", 28596},
    NamedCodePage{"iso-8859-7", 28597},
    NamedCodePage{"iso-8859-8", 28598},
    NamedCodePage{"iso-8859-9", 28599},  NamedCodePage{"latin5", 28599},
    NamedCodePage{"iso-8859-13", 28603},
    NamedCodePage{"iso-8859-15", 28605}, NamedCodePage{"latin-9", 28605},
    NamedCodePage{"koi8-r", 20866},
    NamedCodePage{"koi8-u", 21866},
    NamedCodePage{"ibm437", 437},        NamedCodePage{"cp437", 437},
    NamedCodePage{"ibm850", 850},        NamedCodePage{"cp850", 850},
    NamedCodePage{"ibm852", 852},        NamedCodePage{"cp852", 852},
    NamedCodePage{"ibm866", 866},        NamedCodePage{"cp866", 866},
    NamedCodePage{"windows-874", 874},
    NamedCodePage{"shift_jis", 932},     NamedCodePage{"windows-31j", 932},
    NamedCodePage{"gbk", 936},           NamedCodePage{"gb2312", 936},
    NamedCodePage{"euc-kr", 949},
    NamedCodePage{"big5", 950},
};
// clang-format on

constexpr std::string_view kFallbackCodePage = "windows-1252";

// The Windows code page for an encoding name in any letter case, or 0 when there is none
UINT CodePageNumber(std::string_view encoding) {
    const std::string lower = AsciiLowercase(encoding);
    for (const auto& row : kNamedCodePages) {
        if (row.name == lower) return IsValidCodePage(row.codePage) ? row.codePage : 0;
    }
    return 0;
}

bool IsWindowsCodePage(UINT codePage) {
    return codePage >= 1250 && codePage <= 1258;
}

// True for the characters Windows maps the undefined bytes of a code page to: C1 controls in
// the windows-* code pages (0x81 in windows-1252) and the Private Use Area (0xAA in windows-1253).
// Microsoft's published tables leave those bytes undefined, as the C library's converters do.
bool IsHole(UINT codePage, char32_t ch) {
    const bool windowsCodePage = codePage == 874 || (codePage >= 1250 && codePage <= 1258);
    return (windowsCodePage && ch >= 0x80 && ch <= 0x9F) || (ch >= 0xE000 && ch <= 0xF8FF);
}

// UTF-8 for the character that bytes stand for, or "" when they are no character of the code page
std::string DecodeCharacter(UINT codePage, const char* bytes, int size) {
    std::array<wchar_t, 4> wide{};
    const int count =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, size, wide.data(), static_cast<int>(wide.size()));
    if (count <= 0 || (count == 1 && IsHole(codePage, wide[0]))) return "";
    std::string utf8(16, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, utf8.data(), static_cast<int>(utf8.size()),
                                           nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(std::max(length, 0)));
    return utf8;
}

int ToUtf16(char32_t ch, std::array<wchar_t, 2>& wide) {
    if (ch < 0x10000) {
        wide[0] = static_cast<wchar_t>(ch);
        return 1;
    }
    wide[0] = static_cast<wchar_t>(0xD800 + ((ch - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
    return 2;
}

// The bytes of ch in the code page; false when it has no exact equivalent there
bool EncodeExactly(UINT codePage, char32_t ch, std::string& bytes) {
    if (IsHole(codePage, ch)) return false;
    std::array<wchar_t, 2> wide{};
    std::array<char, 16> out{};
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), ToUtf16(ch, wide), out.data(),
                                           static_cast<int>(out.size()), nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return false;
    bytes.assign(out.data(), static_cast<std::size_t>(length));
    return true;
}

}  // namespace

std::string DefaultCodePage() {
    const UINT acp = GetACP();
    if (acp == CP_UTF8) return "utf-8";
    const std::string name = CanonicalCodePage("cp" + std::to_string(acp));
    return name.empty() ? std::string(kFallbackCodePage) : name;
}

// The Windows code page the converter writes; WideCharToMultiByte needs nothing opened.
struct CodePageConverter::State {
    UINT codePage;
};

CodePageConverter::CodePageConverter() = default;
CodePageConverter::~CodePageConverter() = default;

bool CodePageConverter::Open(const std::string& codePage) {
    const UINT number = CodePageNumber(codePage);
    state_ = IsWindowsCodePage(number) ? std::make_unique<State>(State{number}) : nullptr;
    return state_ != nullptr;
}

bool CodePageConverter::Convert(char32_t ch, std::string& bytes) {
    if (!state_) return false;
    const UINT codePage = state_->codePage;
    if (EncodeExactly(codePage, ch, bytes)) return true;

    // The Vietnamese and Hebrew code pages write some letters as a letter and combining marks,
    // as the C library's converters do: ệ as ê and a dot below (one mark of the canonical
    // decomposition apart, the others composed with the letter), שּׁ as ש and both its points.
    DecomposedChar parts{};
    const auto count = static_cast<utf8proc_ssize_t>(Decompose(ch, parts));
    if (count < 2) return false;
    std::string letter;
    std::string mark;
    for (utf8proc_ssize_t apart = count - 1; apart >= 1; --apart) {
        std::array<utf8proc_int32_t, 8> rest{};
        utf8proc_ssize_t size = 0;
        for (utf8proc_ssize_t i = 0; i < count; ++i) {
            if (i != apart) rest[static_cast<std::size_t>(size++)] = parts[static_cast<std::size_t>(i)];
        }
        if (utf8proc_normalize_utf32(rest.data(), size, UTF8PROC_COMPOSE) == 1 &&
            EncodeExactly(codePage, static_cast<char32_t>(rest[0]), letter) &&
            EncodeExactly(codePage, static_cast<char32_t>(parts[static_cast<std::size_t>(apart)]), mark)) {
            bytes = letter + mark;
            return true;
        }
    }
    std::string all;
    for (utf8proc_ssize_t i = 0; i < count; ++i) {
        if (!EncodeExactly(codePage, static_cast<char32_t>(parts[static_cast<std::size_t>(i)]), mark)) return false;
        all += mark;
    }
    bytes = std::move(all);
    return true;
}

bool ConverterKnows(std::string_view encoding) {
    return CodePageNumber(encoding) != 0;
}

bool ConvertToUtf8(std::string_view bytes, std::string_view encoding, std::string& utf8) {
    const UINT codePage = CodePageNumber(encoding);
    if (codePage == 0) return false;

    utf8.clear();
    utf8.reserve(bytes.size() + bytes.size() / 4);
    // Single bytes decode the same everywhere in a document, so each is looked up once.
    std::array<std::string, 256> single;
    std::array<bool, 256> known{};
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80) {
            utf8 += static_cast<char>(byte);
            ++pos;
            continue;
        }
        if (IsDBCSLeadByteEx(codePage, byte)) {
            // A lead byte and its trail byte; an invalid or truncated pair gives one "?" for the
            // lead byte and decoding goes on with the next byte.
            const std::string pair =
                pos + 1 < bytes.size() ? DecodeCharacter(codePage, bytes.data() + pos, 2) : std::string();
            utf8 += pair.empty() ? "?" : pair;
            pos += pair.empty() ? 1 : 2;
            continue;
        }
        if (!known[byte]) {
            single[byte] = DecodeCharacter(codePage, bytes.data() + pos, 1);
            if (single[byte].empty()) single[byte] = "?";
            known[byte] = true;
        }
        utf8 += single[byte];
        ++pos;
    }
    return true;
}

}  // namespace corvane
