#pragma once

#include <string>

#include "platform/bytes.h"

namespace talvoren {

inline constexpr unsigned kUtf8CodePage = 65001;
inline constexpr unsigned kLocalCodePage = 936;  // GBK, the stored settings file's encoding

// The conversion chain between UTF-8, UTF-16 and code pages. Every input ends at its first zero
// byte (or zero UTF-16 unit); nothing fails: malformed input becomes U+FFFD, and a character the
// code page cannot hold becomes its default character "?" (one per UTF-16 unit, so an emoji
// gives "??").
//
// UTF-16 buffers hold little-endian units and end with one zero unit.
Bytes multiByteToWide(const Bytes& bytes, unsigned codePage);
// Code page bytes without terminator, or empty bytes.
Bytes wideToMultiByte(const Bytes& wide, unsigned codePage);
// With useGivenCodePage clear, the system's ANSI code page is used (936 outside Windows).
std::string wideToCodePageText(const Bytes& wide, unsigned codePage, bool useGivenCodePage);
std::string wideToLocalText(const Bytes& wide);
std::string utf8ToLocalText(const Bytes& utf8);

// What UTF-8 -> UTF-16 -> UTF-8 gives, without the detour: the text up to its first zero byte,
// each malformed sequence replaced by U+FFFD. Draft texts go this way, so no character is lost.
std::string utf8TextUntilZero(const Bytes& utf8);
// Whether utf8TextUntilZero would give the bytes back unchanged.
bool isUtf8Text(const Bytes& utf8);

}  // namespace talvoren
