#pragma once
// The about box and the help manual.
#include <QDialog>
#include <string>

#include "qt/common/PictureArt.h"

class QLabel;
class QPushButton;

namespace zel {
class Prompter;
}

namespace zel::qt {

// The help manual, below the program folder.
inline constexpr const char* kHelpManualFile = "help/index.html";

class ZelVer : public QDialog {
    Q_OBJECT
  public:
    explicit ZelVer(const std::string& pictureFolder, QWidget* parent = nullptr);

    QLabel* picture() const { return picture_; }
    QLabel* versionLabel() const { return version_; }
    QPushButton* okButton() const { return ok_; }

  private:
    QLabel* picture_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
};

std::string HelpManualPath(const std::string& programFolder);

}  // namespace zel::qt
