#pragma once
// What the widgets of the input area mirror: captions, enabled and visible states, colours,
// the caret and the focus the model asks for. The model writes it; the widgets only read it.
#include <array>
#include <optional>
#include <string>

#include "editor/InputField.h"

namespace zel {

enum class ViewColour { White, Face, LightGrey, Grey, Black };

struct ControlView {
    std::string caption;
    bool enabled = true;
    bool visible = true;
    ViewColour background = ViewColour::White;
    ViewColour foreground = ViewColour::Black;
};

// Caret and selection of a field after an event (start and length in characters).
struct FieldSelection {
    Field field = Field::MemberName;
    int start = 0;
    int length = 0;
};

struct InputAreaView {
    // Section block: headings over the three columns, the columns (breadth, depth, cover)
    // themselves, the two copy buttons and the three section options.
    std::array<ControlView, 3> sectionHeading;
    std::array<bool, 3> sectionColumnVisible{true, false, false};
    std::array<ControlView, 2> copyButton;
    std::array<ControlView, 3> sectionOption;

    // Support and moment position.
    std::array<ControlView, 2> momentOption;
    ControlView cantileverNote;     // "片持梁では指定できません"
    ControlView approximateButton;  // "略算方法"
    ControlView spanTypeCaption;    // name of the span type
    ControlView momentField;        // the distance field: enabled and background
    ControlView momentUnit;         // its "(m)" label

    // Units.
    ControlView fcUnit;    // "(kg/cm2)" or "(N/mm2)"
    ControlView loadUnit;  // unit of field 0 on the load page in front

    // Load editor.
    std::string loadPicture;  // image file of the page in front
    ControlView fullSpanButton;
    ControlView changeLoadButton;
    ControlView deleteLoadButton;
    ControlView loadCounter;  // "3/5"

    // Member commands switched by SetEditButtons, and the hint beside them.
    ControlView calcSheetButton;
    ControlView changeMemberButton;
    ControlView checkButton;
    ControlView calcSheetMenu;
    ControlView checkMenu;
    ControlView editHint;

    // Caret after the last focus entry, Escape or rejected leave.
    FieldSelection selection;
    // Field the model wants the keyboard focus in; the widget takes it and resets it.
    std::optional<Field> focusRequest;
};

}  // namespace zel
