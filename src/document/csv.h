#pragma once
// Tables of text as comma-separated values (RFC 4180), the form every
// spreadsheet opens: fields joined by commas, rows ended by CR LF, a field
// that holds a comma, a double quote, a CR or an LF put in double quotes
// with its own quotes doubled. Text in memory is UTF-8, as everywhere.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

using CsvRow = std::vector<std::string>;
using CsvTable = std::vector<CsvRow>;

// How a CSV file's bytes spell its text.
enum class CsvEncoding {
  // UTF-8 after a byte order mark: spreadsheets take a file for UTF-8 only
  // when it starts with one.
  Utf8,
  // GB18030, as the bench's own files: what a spreadsheet on a Chinese
  // system reads a file without a byte order mark as.
  Gb18030,
};

// The table as CSV text in UTF-8, without a byte order mark: for printing.
// A character that stands for a raw byte of a damaged name becomes U+FFFD.
std::string CsvText(const CsvTable& table);

// The bytes of a CSV file of the table.
std::string CsvFileBytes(const CsvTable& table, CsvEncoding encoding);

// Reads the bytes of CSV text back into cells: rows may end with CR LF, LF
// or CR, a byte order mark before UTF-8 is skipped, the end of the last row
// needs no line end. Nothing when a quoted field is never closed or
// something other than a comma or a line end follows its closing quote.
std::optional<CsvTable> ReadCsv(std::string_view bytes, CsvEncoding encoding);

// The table as tab-separated text for the clipboard, which spreadsheets
// paste into cells: tabs, CRs and LFs inside a cell become spaces; rows end
// with CR LF.
std::string TabSeparatedText(const CsvTable& table);

}  // namespace voltaro
