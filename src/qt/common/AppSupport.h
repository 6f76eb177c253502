#pragma once
// What the GUI program sets up once: Qt's own Japanese texts, the window icon, the
// pointing-hand cursor on the controls a user clicks.
#include <QIcon>
#include <string>

class QCoreApplication;
class QWidget;

namespace zel::qt {

// Installs Qt's Japanese translation (standard buttons, file dialogs); false when the
// translation files are not installed, in which case Qt's English texts remain.
bool InstallJapaneseTranslation(QCoreApplication& app);

// The program icon from the program folder; an empty icon when the file is missing.
QIcon ProgramIcon(const std::string& programFolder);

// Buttons, option buttons, check boxes and tab bars under `root` show the pointing hand.
void SetPointingHandCursors(QWidget* root);

// The application's wait cursor for nested busy spans: each Set(true) is undone by one
// Set(false), and a stray Set(false) never restores a cursor someone else set.
class WaitCursorDepth {
  public:
    void Set(bool busy);

  private:
    int depth_ = 0;
};

}  // namespace zel::qt
