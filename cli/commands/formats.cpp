#include "cli/commands/formats.h"

namespace trv::cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `s`; 0 when
// it is not one (a stray byte, a sequence cut short, an overlong form, a
// surrogate or a code point above U+10FFFF).
std::size_t utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(0);
    if (b < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < n || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return n;
}

}  // namespace

std::optional<Format> parseFormat(std::string_view word) {
    if (word == "text") return Format::Text;
    if (word == "json") return Format::Json;
    if (word == "csv") return Format::Csv;
    if (word == "html") return Format::Html;
    return std::nullopt;
}

std::string jsonString(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text[0]);
        const std::size_t n = utf8SequenceLength(text);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (n > 1) {
            out.append(text.substr(0, n));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
        text.remove_prefix(n);
    }
    return out + "\"";
}

std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string out = "{";
    for (const auto& [name, value] : members) {
        if (out.size() > 1) out += ", ";
        out += jsonString(name) + ": " + value;
    }
    return out + "}";
}

std::string jsonArray(const std::vector<std::string>& elements) {
    if (elements.empty()) return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < elements.size(); ++i) out += "  " + elements[i] + (i + 1 < elements.size() ? ",\n" : "\n");
    return out + "]";
}

std::string jsonOptional(const std::optional<std::string>& text) { return text ? jsonString(*text) : "null"; }

std::string csvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out + "\r\n";
}

}  // namespace trv::cli
