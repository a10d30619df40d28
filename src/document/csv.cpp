#include "document/csv.h"

#include "document/gbk.h"

namespace voltaro {
namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

void AppendField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string Csv(const CsvTable& table) {
  std::string out;
  for (const CsvRow& row : table) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += ',';
      AppendField(out, row[i]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace

std::string CsvText(const CsvTable& table) {
  return DisplayText(Csv(table));
}

std::string CsvFileBytes(const CsvTable& table, CsvEncoding encoding) {
  if (encoding == CsvEncoding::Gb18030) return Utf8ToGbk(Csv(table));
  return std::string(BYTE_ORDER_MARK) + CsvText(table);
}

std::optional<CsvTable> ReadCsv(std::string_view bytes, CsvEncoding encoding) {
  std::string text;
  if (encoding == CsvEncoding::Gb18030) {
    text = GbkToUtf8(bytes);
  } else {
    if (bytes.starts_with(BYTE_ORDER_MARK)) bytes.remove_prefix(BYTE_ORDER_MARK.size());
    text = bytes;
  }
  CsvTable table;
  CsvRow row;
  std::string field;
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    if (text[i] == '"') {
      // A quoted field runs to the quote that is not doubled.
      ++i;
      while (true) {
        if (i >= n) return std::nullopt;
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
      if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') return std::nullopt;
    } else {
      while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') field += text[i++];
    }
    row.push_back(std::move(field));
    field.clear();
    if (i >= n) break;
    if (text[i] == ',') {
      ++i;
      // A comma at the very end leaves one more, empty field.
      if (i == n) row.emplace_back();
      continue;
    }
    // A line end: CR LF, LF or CR.
    i += (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
    table.push_back(std::move(row));
    row.clear();
  }
  if (!row.empty()) table.push_back(std::move(row));
  return table;
}

std::string TabSeparatedText(const CsvTable& table) {
  std::string out;
  for (const CsvRow& row : table) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += '\t';
      for (char c : row[i]) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    out += "\r\n";
  }
  return DisplayText(out);
}

}  // namespace voltaro
