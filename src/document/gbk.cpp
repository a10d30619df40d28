#include "document/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace voltaro {
namespace {

// One pair of converters per thread: iconv descriptors keep shift state and
// must not be shared between threads.
class Converters {
 public:
  Converters()
      : to_utf8_(iconv_open("UTF-8", "GB18030")), to_gbk_(iconv_open("GB18030", "UTF-8")) {}
  ~Converters() {
    if (usable(to_utf8_)) iconv_close(to_utf8_);
    if (usable(to_gbk_)) iconv_close(to_gbk_);
  }
  Converters(const Converters&) = delete;
  Converters& operator=(const Converters&) = delete;

  // Converts a whole, short input (one character); nothing when the input is
  // not one complete character of the source encoding.
  std::optional<std::string> decode(std::string_view in) { return run(to_utf8_, in); }
  std::optional<std::string> encode(std::string_view in) { return run(to_gbk_, in); }

 private:
  static bool usable(iconv_t cd) { return cd != reinterpret_cast<iconv_t>(-1); }

  static std::optional<std::string> run(iconv_t cd, std::string_view in) {
    if (!usable(cd)) return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char* dst = out;
    size_t dst_left = sizeof out;
    if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<size_t>(-1) || src_left != 0) {
      return std::nullopt;
    }
    return std::string(out, dst);
  }

  iconv_t to_utf8_;
  iconv_t to_gbk_;
};

Converters& Conv() {
  thread_local Converters converters;
  return converters;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Reads one UTF-8 character at `pos`; its length goes to `len`. Nothing for
// a broken sequence (its first byte is then skipped).
std::optional<char32_t> NextUtf8(std::string_view s, size_t pos, size_t& len) {
  const auto b = static_cast<unsigned char>(s[pos]);
  len = 1;
  char32_t cp = 0;
  size_t need = 0;
  if (b < 0x80) return b;
  if ((b & 0xE0) == 0xC0) {
    cp = b & 0x1F;
    need = 1;
  } else if ((b & 0xF0) == 0xE0) {
    cp = b & 0x0F;
    need = 2;
  } else if ((b & 0xF8) == 0xF0) {
    cp = b & 0x07;
    need = 3;
  } else {
    return std::nullopt;
  }
  if (pos + need >= s.size()) return std::nullopt;
  for (size_t k = 1; k <= need; ++k) {
    const auto c = static_cast<unsigned char>(s[pos + k]);
    if ((c & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (c & 0x3F);
  }
  static constexpr char32_t MIN[] = {0, 0x80, 0x800, 0x10000};
  if (cp < MIN[need] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  len = need + 1;
  return cp;
}

bool IsRawByte(char32_t cp) {
  return cp >= RAW_BYTE_BASE + 0x80 && cp <= RAW_BYTE_BASE + 0xFF;
}

bool IsPrivateUse(char32_t cp) {
  return (cp >= 0xE000 && cp <= 0xF8FF) || cp >= 0xF0000;
}

// The euro sign: one byte, 0x80, in code page 936 and in every file written
// so far; GB18030 spells it 0xA2 0xE3 and has no 0x80.
constexpr std::string_view EURO_UTF8 = "\xE2\x82\xAC";
constexpr char GBK_EURO = '\x80';

// The start of a GB18030 four-byte character: a lead byte, then a digit.
bool StartsFourBytes(std::string_view s, size_t i) {
  return i + 3 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '9';
}

// The UTF-8 of one GB18030 character, but only when it encodes back to
// exactly these bytes (a byte sequence with two readings must not change
// on saving) and is no private-use character: those hold no letter anyone
// can read, GBK programs read the user-defined areas as damage too, and
// our own raw-byte characters live among them.
std::optional<std::string> DecodeExactly(std::string_view bytes) {
  std::optional<std::string> utf8 = Conv().decode(bytes);
  if (!utf8 || utf8->empty()) return std::nullopt;
  size_t len = 0;
  const std::optional<char32_t> cp = NextUtf8(*utf8, 0, len);
  if (!cp || len != utf8->size() || IsPrivateUse(*cp)) return std::nullopt;
  const std::optional<std::string> back = Conv().encode(*utf8);
  if (!back || *back != bytes) return std::nullopt;
  return utf8;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  for (size_t i = 0; i < gbk.size();) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    if (gbk[i] == GBK_EURO) {
      out += EURO_UTF8;
      ++i;
      continue;
    }
    // A digit never follows a lead byte in GBK, so a four-byte character
    // cannot be mistaken for a two-byte one.
    const size_t width = StartsFourBytes(gbk, i) ? 4 : 2;
    if (i + width <= gbk.size()) {
      if (std::optional<std::string> ch = DecodeExactly(gbk.substr(i, width))) {
        out += *ch;
        i += width;
        continue;
      }
    }
    AppendUtf8(out, RAW_BYTE_BASE + b);
    ++i;
  }
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 1;
    const std::optional<char32_t> cp = NextUtf8(utf8, i, len);
    if (!cp) {
      out += '?';
    } else if (*cp < 0x80) {
      out += static_cast<char>(*cp);
    } else if (IsRawByte(*cp)) {
      out += static_cast<char>(*cp - RAW_BYTE_BASE);
    } else if (utf8.substr(i, len) == EURO_UTF8) {
      out += GBK_EURO;
    } else if (std::optional<std::string> bytes = Conv().encode(utf8.substr(i, len));
               bytes && !bytes->empty()) {
      out += *bytes;
    } else {
      out += '?';
    }
    i += len;
  }
  return out;
}

std::string DisplayText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 1;
    const std::optional<char32_t> cp = NextUtf8(utf8, i, len);
    if (!cp || IsRawByte(*cp)) {
      AppendUtf8(out, U'\uFFFD');
    } else {
      out.append(utf8.substr(i, len));
    }
    i += len;
  }
  return out;
}

}  // namespace voltaro
