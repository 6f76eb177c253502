#pragma once
// The check of the whole input before a load is added or changed and before a beam is
// committed. Codes of 91 and above block a commit; every non-zero code blocks a load edit.
#include <array>
#include <string>

namespace zel {

enum InputErrorCode : int {
    kInputOk = 0,
    kInputNoLoad = 1,
    kInputNoLength = 2,
    kInputNoLoadNorLength = 3,
    kInputLoadBeyondSpan = 4,
    kInputNoHeight = 5,
    kInputBlockingFrom = 91,
    kInputBadSpan = 99,
    kInputBadSection = 104,
};

// The texts the check reads.
struct InputCheckTexts {
    std::string span;
    int sectionCount = 1;  // columns in use, 1..3
    std::array<std::string, 3> breadth, depth, cover;
    int loadType = 1;
    std::array<std::string, 6> loadFields;  // the page in front, fields 0..5
};

int CheckInput(const InputCheckTexts& texts);

// The message of a code ("" for 0 and unknown codes); line breaks are "\r".
std::string InputErrorMessage(int code);

}  // namespace zel
