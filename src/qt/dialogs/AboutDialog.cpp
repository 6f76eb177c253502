#include "qt/dialogs/AboutDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include "lib/Version.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {
namespace {

// The platform the program runs on, as the system names itself ("Debian GNU/Linux 12 ...").
QString PlatformLine() {
    QString name = QSysInfo::prettyProductName();
#ifdef Q_OS_LINUX
    if (!name.contains(QStringLiteral("Linux"))) name = QStringLiteral("Linux (%1)").arg(name);
#endif
    return QStringLiteral("for ") + name;
}

}  // namespace

AboutDialog::AboutDialog(const std::string& pictureFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQ(kProgramTitle));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    picture_ = new QLabel(this);
    const QPixmap pixmap(
        QDir(dialogs::PictureFolder(pictureFolder)).filePath(ToQ(kAboutPictureFile)));
    if (!pixmap.isNull()) picture_->setPixmap(pixmap);
    picture_->setVisible(!pixmap.isNull());

    auto* title = new QLabel(QStringLiteral("KAVO-Zel／ＲＣ梁断面算定"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("鉄筋コンクリート梁断面算定プログラム"), this);
    auto* platform = new QLabel(PlatformLine(), this);
    platform->setObjectName(QStringLiteral("platformLabel"));
    version_ = new QLabel(ToQ(kVersionText), this);

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

void RunAboutDialog(QWidget* parent, const std::string& pictureFolder) {
    AboutDialog box(pictureFolder, parent);
    box.exec();
}

}  // namespace zel::qt
