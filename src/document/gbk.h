#pragma once
// Text on disk and on the clipboard is GBK (code page 936); text in memory is
// UTF-8. A byte that is no GBK character (a damaged name, a file from another
// code page) is carried in memory as one private-use character, so that it
// is written back as the very same byte.

#include <string>
#include <string_view>

namespace voltaro {

// The private-use character that stands for the raw byte b (0x80..0xFF) is
// RAW_BYTE_BASE + b, in a plane GBK never maps to.
constexpr char32_t RAW_BYTE_BASE = 0x10FF00;

// GBK bytes to UTF-8. Never fails: undecodable bytes become raw-byte
// characters.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes. Raw-byte characters become their byte again; a
// character GBK cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// The text as it is shown on the bench: each raw byte as U+FFFD.
std::string DisplayText(std::string_view utf8);

}  // namespace voltaro
