#pragma once
// Model -> widgets without feedback: every window shows the state of its core model through
// these. Each one blocks the widget's signals, so that nothing shown comes back as the user's
// own edit, and leaves a widget alone when it already shows the value, so that a field being
// typed in keeps its cursor and a list keeps its scroll position.
#include <string>
#include <vector>

#include "editor/InputAreaView.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace zel::qt {

void MirrorText(QLineEdit* field, const std::string& text);
void MirrorChecked(QAbstractButton* button, bool checked);
// Checks the option with id `id` of an exclusive group; an id no option has leaves every
// option unchecked (a value the form does not know selects nothing).
void MirrorOption(QButtonGroup* group, int id);
// Refills the list when its entries differ from `items`, then selects `position` (-1: none).
void MirrorList(QComboBox* list, const std::vector<std::string>& items, int position);
void MirrorListPosition(QComboBox* list, int position);
// The same for a list box: its lines, then the current row (-1: none).
void MirrorLines(QListWidget* list, const std::vector<std::string>& lines, int row);
// Enabled and visible as the view says.
void MirrorControl(QWidget* widget, const ControlView& view);
// Background and text colour as the view says (ViewQColour).
void MirrorColours(QWidget* widget, const ControlView& view);

}  // namespace zel::qt
