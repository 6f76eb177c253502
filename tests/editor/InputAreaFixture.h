#pragma once
// An input area wired to a scripted user, with helpers to type like the user does.
#include <gtest/gtest.h>

#include <string>

#include "editor/InputArea.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {

class InputAreaTest : public ::testing::Test {
  protected:
    // Focus, type, leave: what the user does to fill a field.
    LeaveResult Enter(Field field, const std::string& text, bool returnFocusFailed = false) {
        area.FocusEnter(field);
        area.TextChanged(field, text);
        return area.FocusLeave(field, returnFocusFailed);
    }
    void Type(Field field, const std::string& text) { area.TextChanged(field, text); }

    // A simple beam of one section, span 6, 30 x 60 cover 5.
    void TypeSimpleBeam() {
        Type(Field::Span, "6");
        Type(Field::Breadth1, "30");
        Type(Field::Depth1, "60");
        Type(Field::Cover1, "5");
    }
    // A uniform load typed on the type 4 page.
    void TypeUniform(const std::string& w, const std::string& l1, const std::string& l2,
                     const std::string& h) {
        area.SelectLoadType(3);
        Type(Field::Load0, w);
        Type(Field::Load1, l1);
        Type(Field::Load2, l2);
        Type(Field::Load3, h);
    }
    void ResetFlags() {
        area.memberModified = false;
        area.fileModified = false;
    }

    ScriptedPrompter user;
    InputArea area{user};
};

}  // namespace zel::test
