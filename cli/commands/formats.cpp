#include "cli/commands/formats.h"

#include "platform/text.h"

namespace trv::cli {

std::string utf8Of(std::string_view text) {
    return isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
}

std::optional<Format> parseFormat(std::string_view word) {
    if (word == "text") return Format::Text;
    if (word == "json") return Format::Json;
    if (word == "csv") return Format::Csv;
    if (word == "html") return Format::Html;
    return std::nullopt;
}

std::string jsonString(std::string_view raw) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    // Only ASCII needs escaping; the bytes of other characters go as they are.
    for (const char ch : utf8Of(raw)) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
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
            out += ch;
        }
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
        const std::string f = utf8Of(fields[i]);
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
