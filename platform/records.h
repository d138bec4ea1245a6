#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

// Record-line files: the small data files of the office (saved choices,
// project records, the user table, the model file codes, ...).
//
// Writing puts every field in double quotes, separates fields by commas and
// ends the line with CR LF.
std::string recordLine(const std::vector<std::string>& fields);

// Reading past the last field of a file, as a sequential read does.
class ReadPastEnd : public std::runtime_error {
public:
    ReadPastEnd() : std::runtime_error("Input past end of file") {}
};

// Reads the fields of a record-line file in order, N at a time across lines:
// a field that begins with a double quote runs to the next double quote (the
// quotes are removed); a bare field runs to the next comma or line end with
// the blanks around it removed; a line end also ends a field. CR LF, LF and CR
// all end a line. Lines holding only blanks are skipped.
class FieldReader {
public:
    explicit FieldReader(std::string content) : data_(std::move(content)) {}

    // True when nothing but blanks and line ends is left.
    bool atEnd() const;
    // The next field; throws ReadPastEnd when the data is used up.
    std::string next();
    // The next `n` fields; throws ReadPastEnd when fewer are left.
    std::vector<std::string> next(std::size_t n);

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();
    void skipBlankLines();

    std::string data_;
    std::size_t pos_ = 0;
};

}  // namespace trv
