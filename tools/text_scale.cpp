#include "tools/text_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "app/program.h"
#include "platform/text.h"

namespace trv {

namespace {

// Each scale's operation is computed exactly as written: divisions stay
// divisions, since S / 100 and S * 0.01 differ in the last bit.
struct PlotScale {
    const char* entry;
    double (*apply)(double);
};

constexpr PlotScale scales[] = {
    {"1:10", [](double s) { return s / 100; }},
    {"1:20", [](double s) { return s / 50; }},
    {"1:30", [](double s) { return (s * 3) / 100; }},
    {"1:40", [](double s) { return s / 25; }},
    {"1:50", [](double s) { return s / 20; }},
    {"1:100", [](double s) { return s / 10; }},
    {"1:200", [](double s) { return s / 5; }},
    {"1:500", [](double s) { return s / 2; }},
    {"1:1000", [](double s) { return s; }},
    {"1:2000", [](double s) { return s + s; }},
    {"1:2500", [](double s) { return s * 2.5; }},
    {"1:5000", [](double s) { return s * 5; }},
    {"1:10000", [](double s) { return s * 10; }},
};

constexpr int significantDigits = 15;
constexpr int decimals = 5;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<double> parseSize(std::string_view text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && isBlank(text[i])) ++i;
    while (end > i && isBlank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t unsignedStart = i;

    int digits = 0;
    int integerDigits = 0;
    int firstSignificant = -1;  // index of the first non-zero digit
    bool point = false;
    for (; i < end; ++i) {
        if (isAsciiDigit(text[i])) {
            if (text[i] != '0' && firstSignificant < 0) firstSignificant = digits;
            ++digits;
            if (!point) ++integerDigits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;

    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) exponentNegative = text[i++] == '-';
        const std::size_t exponentStart = i;
        for (; i < end && isAsciiDigit(text[i]); ++i) {
            if (exponent < 1'000'000) exponent = exponent * 10 + (text[i] - '0');  // far past any double
        }
        if (i == exponentStart) return std::nullopt;
        if (exponentNegative) exponent = -exponent;
    }
    if (i != end) return std::nullopt;

    // from_chars reads the same everywhere (no locale); it takes no '+'.
    double value = 0;
    const char* first = text.data() + unsignedStart;
    const char* last = text.data() + end;
    const auto [stop, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small: the place of the first significant digit tells.
        const long long magnitude = integerDigits - 1 - firstSignificant + exponent;
        if (magnitude > 0) return std::nullopt;
        value = 0;
    } else if (error != std::errc() || stop != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string formatTextSize(double value) {
    // d.dddddddddddddde±x: the value as written with 15 significant digits.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    std::string digits(1, text[0]);
    const std::size_t e = text.find('e');
    digits.append(text.substr(2, e - 2));
    int exponent = 0;
    const char* exponentText = text.data() + e + 1;
    if (*exponentText == '+') ++exponentText;
    std::from_chars(exponentText, text.data() + text.size(), exponent);

    // Digit i stands for 10^(exponent - i); keep those down to the fifth
    // decimal and round half away from zero on the next one.
    const int keep = exponent + decimals + 1;
    if (keep < 0) return "0.";
    if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int j = keep - 1;
            for (; j >= 0 && digits[static_cast<std::size_t>(j)] == '9'; --j) digits[static_cast<std::size_t>(j)] = '0';
            if (j < 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(j)];
            }
        }
    }
    if (std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; })) return "0.";

    std::string integer;
    std::string fraction;
    if (exponent >= 0) {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        integer = digits.substr(0, std::min(integerLength, digits.size()));
        integer.resize(integerLength, '0');  // past the 15th significant digit
        if (digits.size() > integerLength) fraction = digits.substr(integerLength);
    } else {
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    std::string out = (negative ? "-" : "") + integer + "." + fraction;
    if (out.front() == '.') out.insert(out.begin(), '0');
    return out;
}

Outcome<std::string> convertTextSize(std::string_view sizeText, std::string_view scale) {
    Outcome<std::string> refused;
    refused.refuse("Error : Wrong input for size. Numeric input is expected.", Reason::Entry, "txttextsizein");
    const std::optional<double> size = parseSize(sizeText);
    if (!size) return refused;
    double result = 0;
    for (const PlotScale& s : scales) {
        if (scale == s.entry) result = s.apply(*size);
    }
    if (!std::isfinite(result)) return refused;
    return formatTextSize(result);
}

void fillScaleList(TextScaleWindow& w) {
    std::vector<std::string> entries;
    for (const PlotScale& scale : scales) entries.push_back(scale.entry);
    w.lstscales.setItems(std::move(entries));
}

void cmdtxtscale_Click(TextScaleWindow& w) { w.show(); }

void cmdtextcnv_Click(Program& p, TextScaleWindow& w) {
    const std::string scale = w.lstscales.listIndex() >= 0 ? w.lstscales.text() : std::string();
    const auto converted = convertTextSize(w.txttextsizein.text(), scale);
    show(p.ui, converted, &w);
    if (converted.value) w.txttextsizeout.setText(*converted.value);
}

}  // namespace trv
