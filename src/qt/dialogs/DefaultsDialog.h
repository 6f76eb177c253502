#pragma once
// The default-data dialog ("ﾃﾞﾌｫﾙﾄ設定(&D)"): defaults of new beams and new projects.
#include <QDialog>
#include <array>

#include "editor/DefaultsDialogRules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zel {
class MainController;
}

namespace zel::qt {

class DefaultsDialog : public QDialog {
    Q_OBJECT
  public:
    DefaultsDialog(MainController& controller, QWidget* parent = nullptr);

    const DefaultsDialogForm& Form() const { return form_; }

    QTabWidget* Tabs() const { return tabs_; }
    // Grade options (codes 0..3) and size lists of the main bars and the stirrups.
    QRadioButton* MainGradeOption(int grade) const { return mainGrades_[grade]; }
    QRadioButton* StirrupGradeOption(int grade) const { return stirrupGrades_[grade]; }
    QComboBox* MainSizeList() const { return mainSize_; }
    QComboBox* StirrupSizeList() const { return stirrupSize_; }
    QComboBox* AssemblyList() const { return assembly_; }
    QLineEdit* RatioField() const { return ratio_; }
    QLineEdit* LayersField() const { return layers_; }
    QLineEdit* LegsField() const { return legs_; }
    QLineEdit* PitchField() const { return pitch_; }
    QLineEdit* FcField() const { return fc_; }
    QRadioButton* RuleOption(int rule) const { return rules_[rule]; }
    QRadioButton* InputUnitOption(int option) const { return inputUnits_[option]; }
    QRadioButton* OutputUnitOption(int option) const { return outputUnits_[option]; }
    QLineEdit* HeadingField() const { return heading_; }
    QRadioButton* FontOption(int option) const { return fonts_[option]; }
    // kPageNumbersOff "付けない", kPageNumbersOn "付ける".
    QRadioButton* PageNumberOption(int option) const { return pageNumbers_[option]; }
    QLabel* StartLabel() const { return startLabel_; }
    QLineEdit* StartField() const { return start_; }
    QPushButton* StoreButton() const { return store_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    QWidget* BuildBarsPage();
    QWidget* BuildOutputPage();
    void ShowForm();
    void Store();

    MainController& controller_;
    DefaultsDialogForm form_;
    QTabWidget* tabs_ = nullptr;
    std::array<QRadioButton*, 4> mainGrades_{};
    std::array<QRadioButton*, 4> stirrupGrades_{};
    QComboBox* mainSize_ = nullptr;
    QComboBox* stirrupSize_ = nullptr;
    QComboBox* assembly_ = nullptr;
    QLineEdit* ratio_ = nullptr;
    QLineEdit* layers_ = nullptr;
    QLineEdit* legs_ = nullptr;
    QLineEdit* pitch_ = nullptr;
    QLineEdit* fc_ = nullptr;
    std::array<QRadioButton*, 2> rules_{};
    std::array<QRadioButton*, 2> inputUnits_{};
    std::array<QRadioButton*, 2> outputUnits_{};
    QLineEdit* heading_ = nullptr;
    std::array<QRadioButton*, 2> fonts_{};
    std::array<QRadioButton*, 2> pageNumbers_{};
    QLabel* startLabel_ = nullptr;
    QLineEdit* start_ = nullptr;
    QPushButton* store_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
