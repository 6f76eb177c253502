#pragma once
// Small pieces every dialog shares: text conversion, the pointing-hand cursor on the controls
// a user clicks, accessible names and the model's colours.
#include <QColor>
#include <QString>
#include <string>

#include "editor/InputAreaView.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace zel::qt::dialogs {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
inline QString Q(const char* text) {
    return QString::fromUtf8(text);
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

// Pointing hand and an accessible name taken from the button's own caption.
void PrepareButton(QAbstractButton* button);
// A field or list named after the caption of the label in front of it.
void NameAfterLabel(QWidget* control, const QString& caption);

void SetOptionChecked(QAbstractButton* option, bool checked);
// Checks option `index` of an exclusive group without signals; -1 leaves every option unchecked.
template <typename Options>
void CheckOption(const Options& options, int index) {
    for (auto* option : options) SetOptionChecked(option, false);
    if (index >= 0 && index < static_cast<int>(options.size()))
        SetOptionChecked(options[index], true);
}
QColor ColourOf(ViewColour colour);
// Enabled state and background of a field as the model's ControlView says.
void ApplyFieldView(QWidget* field, const ControlView& view);

// Folder the pictures are read from: `folder`, or the program's own folder when it is empty.
// A missing picture leaves its place empty; it never stops a window from opening.
QString PictureFolder(const std::string& folder);

}  // namespace zel::qt::dialogs
