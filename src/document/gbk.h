#pragma once
// Text on disk and on the clipboard is GB18030, the national superset of
// GBK (code page 936); text in memory is UTF-8. Every character GBK holds
// keeps its one or two GBK bytes, so files stay readable by GBK programs
// and every GBK file reads as before; any other character ("µ", "²", "½",
// an emoji) takes GB18030's four-byte form instead of being lost. A byte
// that is no character (a damaged name, a file from another code page) is
// carried in memory as one private-use character, so that it is written
// back as the very same byte.

#include <string>
#include <string_view>

namespace voltaro {

// The private-use character that stands for the raw byte b (0x80..0xFF) is
// RAW_BYTE_BASE + b, in a plane no character of a file is read into.
constexpr char32_t RAW_BYTE_BASE = 0x10FF00;

// GB18030 (or GBK) bytes to UTF-8. Never fails: undecodable bytes become
// raw-byte characters. The euro sign reads from GBK's single byte 0x80 and
// from GB18030's pair 0xA2 0xE3 alike.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GB18030 bytes. Raw-byte characters become their byte again; the
// euro sign keeps GBK's byte 0x80, as files written so far carry it; a
// broken UTF-8 sequence, or one of the few private-use characters GB18030
// has no bytes for, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// The text as it is shown on the bench: each raw byte as U+FFFD.
std::string DisplayText(std::string_view utf8);

}  // namespace voltaro
