#include "platform/records.h"

#include "platform/text.h"

namespace trv {

std::string recordLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += '"';
        line += fields[i];
        line += '"';
    }
    line += "\r\n";
    return line;
}

bool FieldReader::atEnd() const {
    for (std::size_t i = pos_; i < data_.size(); ++i) {
        const char c = data_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

bool FieldReader::atLineEnd() const {
    return pos_ < data_.size() && (data_[pos_] == '\r' || data_[pos_] == '\n');
}

void FieldReader::skipLineEnd() {
    if (pos_ < data_.size() && data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    } else if (pos_ < data_.size() && data_[pos_] == '\n') {
        ++pos_;
    }
}

void FieldReader::skipBlanks() {
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
}

void FieldReader::skipBlankLines() {
    // A line holding nothing but blanks lies between records, not in one:
    // taken as an empty field it would shift every later record of the file.
    while (pos_ == 0 || data_[pos_ - 1] == '\r' || data_[pos_ - 1] == '\n') {
        std::size_t i = pos_;
        while (i < data_.size() && (data_[i] == ' ' || data_[i] == '\t')) ++i;
        if (i >= data_.size() || (data_[i] != '\r' && data_[i] != '\n')) return;
        pos_ = i;
        skipLineEnd();
    }
}

std::string FieldReader::next() {
    skipBlankLines();
    skipBlanks();
    if (pos_ >= data_.size()) throw ReadPastEnd();
    std::string field;
    if (data_[pos_] == '"') {
        const std::size_t close = data_.find('"', pos_ + 1);
        if (close == std::string::npos) {
            // A file cut short inside a quoted field: the field runs to the
            // end of its line, and the line end is no part of it.
            const std::size_t start = pos_ + 1;
            while (pos_ < data_.size() && !atLineEnd()) ++pos_;
            field = data_.substr(start, pos_ - start);
            skipLineEnd();
            return field;
        }
        field = data_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Whatever stands between the closing quote and the next delimiter is
        // not part of any field.
        while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd()) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd()) ++pos_;
        field = trimBlanks(std::string_view(data_).substr(start, pos_ - start));
    }
    if (pos_ < data_.size() && data_[pos_] == ',') {
        ++pos_;
    } else {
        skipLineEnd();
    }
    return field;
}

std::vector<std::string> FieldReader::next(std::size_t n) {
    std::vector<std::string> fields;
    fields.reserve(n);
    for (std::size_t i = 0; i < n; ++i) fields.push_back(next());
    return fields;
}

}  // namespace trv
