// The test for a byte inside a UTF-8 character, where positions must count characters.
#pragma once

namespace corvane {

// True for the second and later bytes of a UTF-8 character
constexpr bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace corvane
