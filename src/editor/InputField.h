#pragma once
// The typed fields of the input area: the member fields and the fields of the load page in
// front. Load fields are addressed by their position on the page, whatever the load type.
#include <string>
#include <string_view>

namespace zel {

enum class Field : int {
    MemberName,
    Span,
    Breadth1,
    Breadth2,
    Breadth3,
    Depth1,
    Depth2,
    Depth3,
    Cover1,
    Cover2,
    Cover3,
    Fc,
    CompressionRatio,
    BarLayers,
    StirrupLegs,
    StirrupPitch,
    MomentPosition,
    Load0,  // P or w
    Load1,
    Load2,
    Load3,
    Load4,
    Load5,
};

inline constexpr int kMemberFieldCount = static_cast<int>(Field::Load0);
inline constexpr int kLoadFieldSlots = 6;
inline constexpr int kLoadTypeCount = 6;
inline constexpr double kMaxSpan = 50.0;

inline bool IsLoadField(Field f) {
    return f >= Field::Load0;
}
inline int FieldIndex(Field f) {
    return static_cast<int>(f);
}
inline int LoadFieldIndex(Field f) {
    return static_cast<int>(f) - static_cast<int>(Field::Load0);
}
inline Field LoadField(int index) {
    return static_cast<Field>(static_cast<int>(Field::Load0) + index);
}
inline Field BreadthField(int column) {
    return static_cast<Field>(static_cast<int>(Field::Breadth1) + column);
}
inline Field DepthField(int column) {
    return static_cast<Field>(static_cast<int>(Field::Depth1) + column);
}
inline Field CoverField(int column) {
    return static_cast<Field>(static_cast<int>(Field::Cover1) + column);
}

// Largest number of characters a field accepts while typing.
int MaxChars(Field f);

// Index of the last field of a load type's page: 1 for type 1, 5 for type 5, 3 otherwise.
int LastLoadField(int loadType);

// Text with leading and trailing blanks (half- and full-width) removed.
std::string TrimFieldText(std::string_view text);

// The first `maxChars` characters (not bytes) of a UTF-8 text.
std::string LimitChars(std::string_view text, int maxChars);

}  // namespace zel
