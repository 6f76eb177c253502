#include "lib/Numbers.h"

#include <charconv>
#include <clocale>
#include <locale.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lib/Rounding.h"

namespace zel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// strtod in the C locale: the GUI runs under the user's locale, whose decimal mark may not be ".".
// Overflow gives +-infinity and underflow 0, as strtod defines them.
double ParseDecimal(const std::string& number) {
    if (number.empty()) return 0.0;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace

double LeadingValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    bool digits = false, point = false;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c)) {
            number.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            number.push_back('.');
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!digits) return 0.0;
    // Optional exponent, taken only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') exponent.push_back('-');
            ++j;
        }
        std::size_t start = j;
        while (j < text.size() && IsDigit(text[j])) {
            // Cap the exponent text: anything beyond 5 digits is out of range anyway.
            if (j - start < 6) exponent.push_back(text[j]);
            ++j;
        }
        if (j > start) number += exponent;
    }
    if (number.back() == '.') number.pop_back();
    return ParseDecimal(number);
}

std::vector<float> ParseNumberList(std::string_view text) {
    constexpr int kMaxDigits = 100;
    constexpr std::size_t kMaxGroup = 100;

    std::vector<float> out;
    std::string digits;  // at most kMaxDigits significant characters kept
    int n = 0;           // digits read (may exceed the buffer; extra digits only scale)
    int d = 0;           // point position: 0 none, -1 before any digit, else digits before it
    int sign = 1;
    int group = 0;  // 0 none, 1 inside, 2 just closed
    bool exponentFlag = false;
    std::vector<float> groupBuffer;
    long repeat = 1;

    auto valueOfPending = [&]() -> double {
        // The digit string read as an integer times 10^(k - n).
        const int k = (d == 0) ? n : (d == -1 ? 0 : d);
        const int kept = static_cast<int>(digits.size());
        // Digits dropped past the buffer shift the scale the same way.
        std::string s = digits + "e" + std::to_string(k - n + (n - kept));
        return ParseDecimal(s);
    };
    auto exponentOf = [&](double v) -> int {
        const double e = RoundHalfEven(v * sign + 0.1);
        // Powers beyond this give 0 or infinity in single precision anyway.
        if (e > 400) return 400;
        if (e < -400) return -400;
        return static_cast<int>(e);
    };

    const std::string padded = std::string(text) + " ";
    for (char c : padded) {
        if (IsDigit(c)) {
            if (static_cast<int>(digits.size()) < kMaxDigits) digits.push_back(c);
            if (n < 1000000) ++n;
            continue;
        }
        if (c == '.') {
            d = (n == 0) ? -1 : n;
            continue;
        }
        if (n > 0) {
            const float value = static_cast<float>(valueOfPending());
            if (group == 1 && !exponentFlag) {
                if (groupBuffer.size() < kMaxGroup) groupBuffer.push_back(value * sign);
                if (groupBuffer.size() == 1) {
                    const double last = out.empty() ? 0.0 : out.back();
                    repeat = static_cast<long>(std::max(0.0, std::min(1000.0, RoundHalfEven(last + 0.1))));
                }
            } else if (group == 1 && exponentFlag) {
                if (!groupBuffer.empty())
                    groupBuffer.back() = static_cast<float>(groupBuffer.back() * std::pow(10.0, exponentOf(value)));
                exponentFlag = false;
            } else if (!exponentFlag) {
                out.push_back(value * sign);
            } else {
                if (!out.empty()) out.back() = static_cast<float>(out.back() * std::pow(10.0, exponentOf(value)));
                exponentFlag = false;
            }
            sign = 1;
        } else if (group == 2) {
            // The number before "(" was the repeat count, not a value.
            if (!out.empty()) out.pop_back();
            for (long r = 0; r < repeat; ++r) out.insert(out.end(), groupBuffer.begin(), groupBuffer.end());
            repeat = 1;
            groupBuffer.clear();
            group = 0;
        }
        digits.clear();
        n = 0;
        d = 0;
        switch (c) {
            case '-': sign = -1; break;
            case '(': group = 1; break;
            case ')': group = 2; break;
            case 'E':
            case 'e':
                if (!out.empty()) exponentFlag = true;
                break;
            default: break;
        }
    }
    return out;
}

std::string FormatFixed(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 4) decimals = 4;
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    // Round the decimal value half to even on the scaled number, then print exactly.
    const double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    // Values whose scaled form is not a small integer are printed directly.
    if (std::fabs(scaled) < 9e15) {
        // Correct the tiny binary error of the product so that 0.125 * 100 rounds as 12.5.
        double nearest = RoundHalfEven(scaled);
        scaled = nearest;
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, scaled / scale);
    std::string s = buffer;
    // No "-0.00": a value that rounds to zero shows without a sign.
    if (s.front() == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatNumber(double value, std::string_view pattern) {
    const auto point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    return FormatFixed(value, decimals);
}

std::string FormatGeneral(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0f) return "0";
    // Shortest fixed or scientific text that reads back the same Single.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string s(buffer, result.ptr);
    // Prefer plain decimals for the magnitudes engineers type.
    if (s.find('e') != std::string::npos && std::fabs(value) >= 1e-5f && std::fabs(value) < 1e15f) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        s.assign(buffer, result.ptr);
    }
    return s;
}

}  // namespace zel
