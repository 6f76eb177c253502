#pragma once
// An independent description of the data file's layout for the tests: a list of numeric
// blocks (byte sizes) and texts, used to build files byte by byte without the program's writer.
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace zel::test {

// >0: numeric block of that many bytes; 0: one text.
inline std::vector<int> ZelLayout() {
    std::vector<int> l;
    auto texts = [&](int n) { l.insert(l.end(), static_cast<std::size_t>(n), 0); };
    texts(2);                            // header
    l.insert(l.end(), {2, 2, 0, 2, 2});  // settings
    for (int i = 0; i < 50; ++i) l.insert(l.end(), {0, 48, 0, 0, 14, 12, 16, 66, 46, 492});
    l.push_back(2);
    l.push_back(160);
    texts(20);
    for (int i = 0; i < 100; ++i) {
        l.insert(l.end(), {4, 0});
        texts(3);
        l.push_back(132);
        texts(12);
        l.push_back(60);
        texts(3);
        l.push_back(24);
        texts(3);
        l.push_back(188);
        texts(20);
    }
    l.insert(l.end(), {2, 0});  // font
    return l;
}

inline std::string Text(const std::string& sjis) {
    std::string out;
    out += static_cast<char>(sjis.size() & 0xFF);
    out += static_cast<char>(sjis.size() >> 8);
    return out + sjis;
}

// Builds a file: the header "205"/"KAVO-Zel", numeric blocks from `numeric(size)`, the other
// texts from `text()` (raw Shift-JIS bytes).
inline std::string BuildZel(const std::function<std::string(int)>& numeric,
                            const std::function<std::string()>& text) {
    std::string out;
    int textNo = 0;
    for (int item : ZelLayout()) {
        if (item > 0) {
            out += numeric(item);
        } else {
            const int n = textNo++;
            out += n == 0 ? Text("205") : n == 1 ? Text("KAVO-Zel") : Text(text());
        }
    }
    return out;
}

// A file with random numbers (any bit pattern, NaNs included) and a mix of texts: empty,
// Japanese, invalid Shift-JIS, and codes that have a twin elsewhere in code page 932.
inline std::string RandomZel(std::mt19937& rng) {
    auto numeric = [&](int size) {
        std::string s(static_cast<std::size_t>(size), '\0');
        for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
        return s;
    };
    const std::vector<std::string> samples = {
        "",
        "",
        "",
        "\x91\xe5\x97\xc0G1",  // 大梁G1
        "D16",
        "\x8d\xb6\x92\x5b",  // 左端
        "\x87\x90",          // NEC ≒ (twin of 81E0)
        "\xfa\x40",          // IBM small roman numeral one (twin of EEEF)
        "\xed\x40",          // NEC-selected IBM kanji
        "\xff\xfe\x80",      // not Shift-JIS at all
        "\x82",              // a lone lead byte
        "\xb6\xc5",          // half-width katakana
    };
    auto text = [&]() { return samples[rng() % samples.size()]; };
    return BuildZel(numeric, text);
}

}  // namespace zel::test
