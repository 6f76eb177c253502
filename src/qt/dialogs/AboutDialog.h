#pragma once
// The about box ("ﾊﾞｰｼﾞｮﾝ情報(&V)").
#include <QDialog>
#include <string>

#include "qt/common/PictureArt.h"

class QLabel;
class QPushButton;

namespace zel::qt {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(const std::string& pictureFolder, QWidget* parent = nullptr);

    QLabel* Picture() const { return picture_; }
    QLabel* VersionLabel() const { return version_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    QLabel* picture_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace zel::qt
