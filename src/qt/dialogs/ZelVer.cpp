#include "qt/dialogs/ZelVer.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "editor/Prompter.h"
#include "lib/Paths.h"
#include "lib/Version.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

using dialogs::Q;

ZelVer::ZelVer(const std::string& pictureFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Q(kProgramTitle));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    picture_ = new QLabel(this);
    const QPixmap pixmap(
        QDir(dialogs::PictureFolder(pictureFolder)).filePath(Q(kAboutPictureFile)));
    if (!pixmap.isNull()) picture_->setPixmap(pixmap);
    picture_->setVisible(!pixmap.isNull());

    auto* title = new QLabel(QStringLiteral("KAVO-Zel／ＲＣ梁断面算定"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("鉄筋コンクリート梁断面算定プログラム"), this);
    auto* platform = new QLabel(QStringLiteral("for Windows95/98/2000"), this);
    version_ = new QLabel(Q(kVersionText), this);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    dialogs::PrepareButton(ok_);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(subtitle);
    texts->addSpacing(8);
    texts->addWidget(platform);
    texts->addWidget(version_);
    texts->addStretch();
    texts->addWidget(ok_, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(16);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string HelpManualPath(const std::string& programFolder) {
    return JoinPath(programFolder, kHelpManualFile);
}

void ShowAboutBox(QWidget* parent, const std::string& pictureFolder) {
    ZelVer box(pictureFolder, parent);
    box.exec();
}

bool OpenHelpManual(QWidget*, Prompter& prompter, const std::string& programFolder) {
    const std::string path = HelpManualPath(programFolder);
    if (!FileExists(path)) {
        prompter.ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
        return false;
    }
    // A viewer that fails to start gives no message of its own, like any other shell failure.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

}  // namespace zel::qt
