#pragma once
// Small pieces every dialog shares: the pointing-hand cursor on the controls a user clicks,
// accessible names and the pictures' folder. Texts, colours and the mirror of a model's state
// are the whole Qt layer's (qt/common).
#include <QString>
#include <string>

class QAbstractButton;
class QWidget;

namespace zel::qt::dialogs {

// Pointing hand and an accessible name taken from the button's own caption.
void PrepareButton(QAbstractButton* button);
// A field or list named after the caption of the label in front of it.
void NameAfterLabel(QWidget* control, const QString& caption);

// Folder the pictures are read from: `folder`, or the program's own folder when it is empty.
// A missing picture leaves its place empty; it never stops a window from opening.
QString PictureFolder(const std::string& folder);

}  // namespace zel::qt::dialogs
