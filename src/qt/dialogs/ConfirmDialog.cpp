#include "qt/dialogs/ConfirmDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/Prompter.h"
#include "qt/common/QtText.h"
#include "qt/dialogs/DialogSupport.h"
#include "qt/dialogs/Dialogs.h"

namespace zel::qt {

ConfirmDialog::ConfirmDialog(const std::string& confirmText, QWidget* parent)
    : QDialog(parent), model_(confirmText) {
    setWindowTitle(ToQ(kMessageTitle));
    // A fixed border without a close box; a window manager that closes it anyway answers
    // "ｷｬﾝｾﾙ" (done() below).
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);

    auto* message = new QLabel(ToQ(confirmText), this);
    message->setWordWrap(true);
    message->setObjectName(QStringLiteral("confirmText"));
    message->setMinimumWidth(420);
    auto* question = new QLabel(ToQ(kConfirmQuestion), this);

    auto* row = new QHBoxLayout;
    const std::array<int, 3> order{kConfirmChange, kConfirmAdd, kConfirmCancel};
    const std::array<const char*, 3> captions{kConfirmChangeCaption, kConfirmAddCaption,
                                              kConfirmCancelCaption};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(ToQ(captions[i]), this);
        b->setAutoDefault(false);
        dialogs::PrepareButton(b);
        const int code = order[i];
        buttons_[code] = b;
        connect(b, &QPushButton::clicked, this, [this, code] {
            if (model_.Press(code)) accept();
        });
        row->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addSpacing(6);
    layout->addWidget(question);
    layout->addSpacing(6);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* ConfirmDialog::Button(int answer) const {
    return answer >= 0 && answer < 3 ? buttons_[answer] : nullptr;
}

void ConfirmDialog::done(int result) {
    model_.Close();
    QDialog::done(result);
}

int RunConfirmDialog(QWidget* parent, const std::string& confirmText) {
    ConfirmDialog box(confirmText, parent);
    box.exec();
    return box.Answer();
}

}  // namespace zel::qt
