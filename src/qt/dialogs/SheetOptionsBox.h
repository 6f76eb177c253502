#pragma once
// The sheet-options block ("計算書作成時の詳細設定": heading, font, page numbers) that the
// print-settings dialog and the defaults dialog both show. It edits a SheetOptionsForm of its
// dialog; its rules are the core's (editor/SheetOptionsRules).
#include <QGroupBox>
#include <array>

#include "editor/SheetOptionsRules.h"

class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace zel::qt {

class SheetOptionsBox : public QGroupBox {
    Q_OBJECT
  public:
    // The two dialogs lay the same controls out in their own way.
    enum class Arrangement {
        // The font, the heading in a frame with its note, then the page-number options and the
        // start number on one row (the print-settings dialog).
        FontFirst,
        // The heading under its caption, the font, then the page-number options over the start
        // number and its note (the defaults dialog's output page).
        HeadingFirst,
    };

    SheetOptionsBox(SheetOptionsForm& form, Arrangement arrangement, QWidget* parent = nullptr);

    // Shows the form's state.
    void Show();

    QLineEdit* HeadingField() const { return heading_; }
    // Font option 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック".
    QRadioButton* FontOption(int option) const { return fonts_[option]; }
    // kPageNumbersOff "付けない", kPageNumbersOn "付ける".
    QRadioButton* PageNumberOption(int option) const { return pageNumbers_[option]; }
    QLabel* StartLabel() const { return startLabel_; }
    QLineEdit* StartField() const { return start_; }

  private:
    QWidget* BuildFontBox();
    QLineEdit* BuildHeadingField(QWidget* parent, int minimumWidth);
    void BuildPageNumberOptions(QWidget* parent, QLayout* layout);
    void BuildStartNumber(QWidget* parent);

    SheetOptionsForm& form_;
    QLineEdit* heading_ = nullptr;
    QButtonGroup* fontGroup_ = nullptr;
    std::array<QRadioButton*, 2> fonts_{};
    QButtonGroup* pageGroup_ = nullptr;
    std::array<QRadioButton*, 2> pageNumbers_{};
    QLabel* startLabel_ = nullptr;
    QLineEdit* start_ = nullptr;
};

}  // namespace zel::qt
