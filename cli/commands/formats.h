#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Machine-readable output of the batch commands: JSON that any standard
// parser reads and CSV as RFC 4180 has it. Pure text functions.
namespace trv::cli {

enum class Format { Text, Json, Csv, Html };
// "text", "json", "csv" or "html"; nothing for another word.
std::optional<Format> parseFormat(std::string_view word);

// Text as UTF-8 for every output: a file name on a POSIX file system may
// hold any bytes, and those that are not UTF-8 are taken in the ANSI code
// page, Windows-1252, as every other text from files is. Each byte stays a
// character of its own, so distinct names print distinct.
std::string utf8Of(std::string_view text);

// A JSON string literal: quotes and backslashes escaped, control characters
// as escapes, other characters kept as UTF-8. Text that is not UTF-8 (a file
// name on a POSIX file system may hold any bytes) is taken in the ANSI code
// page, Windows-1252, as text read from files is: the document stays valid
// and distinct names stay distinct.
std::string jsonString(std::string_view text);
// A JSON object from members whose values are JSON texts already.
std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members);
// A JSON array of JSON texts, one element a line.
std::string jsonArray(const std::vector<std::string>& elements);
// A string, or null when there is none.
std::string jsonOptional(const std::optional<std::string>& text);

// One CSV record ending with CR LF, in UTF-8 (a field that is not UTF-8 is
// taken in Windows-1252, as for JSON); a field holding a comma, a double
// quote, CR or LF is quoted, its double quotes doubled.
std::string csvRecord(const std::vector<std::string>& fields);

}  // namespace trv::cli
