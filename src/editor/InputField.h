#pragma once
// The typed fields of the input area: the member fields and the fields of the load page in
// front. Load fields are addressed by their position on the page, whatever the load type.
#include <string>
#include <string_view>

#include "data/ProjectLimits.h"

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

// How leaving a typed field judges its text (see LeaveRejection).
enum class LeaveRule {
    Any,             // every text leaves
    Positive,        // empty or above 0
    NotNegative,     // empty or from 0
    Span,            // empty or above 0, and at most kMaxSpan
    MomentPosition,  // from 0 up to the span field's value
    LoadLength,      // empty or from 0; load type 1 has a message of its own
};

// What is fixed about one field: one row per field, in the order of Field.
struct FieldProperties {
    const char* label;  // in front of a member field; "" for load fields (their page names them)
    const char* unit;   // fixed unit after it; "" where none is shown or it follows the units
    int maxChars;       // the most characters it accepts while typing
    LeaveRule leave;
    const char* refusal;  // the message of a Positive, NotNegative or LoadLength refusal
};

// The row of a field; a value outside the enumeration gets a load length's row.
const FieldProperties& PropertiesOf(Field f);

// Largest number of characters a field accepts while typing.
inline int MaxChars(Field f) {
    return PropertiesOf(f).maxChars;
}

// Index of the last field of a load type's page: 1 for type 1, 5 for type 5, 3 otherwise.
int LastLoadField(int loadType);

// Text with leading and trailing blanks (half- and full-width) removed.
std::string TrimFieldText(std::string_view text);

// The first `maxChars` characters (not bytes) of a UTF-8 text.
std::string LimitChars(std::string_view text, int maxChars);

}  // namespace zel
