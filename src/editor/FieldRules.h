#pragma once
// What leaving a typed field may refuse, and with which words.
#include <string>
#include <string_view>

#include "editor/InputField.h"

namespace zel {

// Message for a text that may not leave the field, or "" when the text is accepted.
// `spanText` is the span field's current text (the moment position is compared with it);
// `loadType` is the type of the load page in front (its length message differs for type 1).
std::string LeaveRejection(Field field, std::string_view text, std::string_view spanText,
                           int loadType);

}  // namespace zel
