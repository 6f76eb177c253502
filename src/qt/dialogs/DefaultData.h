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

class DefaultData : public QDialog {
    Q_OBJECT
  public:
    DefaultData(MainController& controller, QWidget* parent = nullptr);

    const DefaultsDialogForm& form() const { return form_; }

    QTabWidget* tabs() const { return tabs_; }
    // Grade options (codes 0..3) and size lists of the main bars and the stirrups.
    QRadioButton* mainGradeOption(int grade) const { return mainGrades_[grade]; }
    QRadioButton* stirrupGradeOption(int grade) const { return stirrupGrades_[grade]; }
    QComboBox* mainSizeList() const { return mainSize_; }
    QComboBox* stirrupSizeList() const { return stirrupSize_; }
    QComboBox* assemblyList() const { return assembly_; }
    QLineEdit* ratioField() const { return ratio_; }
    QLineEdit* layersField() const { return layers_; }
    QLineEdit* legsField() const { return legs_; }
    QLineEdit* pitchField() const { return pitch_; }
    QLineEdit* fcField() const { return fc_; }
    QRadioButton* ruleOption(int rule) const { return rules_[rule]; }
    QRadioButton* inputUnitOption(int option) const { return inputUnits_[option]; }
    QRadioButton* outputUnitOption(int option) const { return outputUnits_[option]; }
    QLineEdit* headingField() const { return heading_; }
    QRadioButton* fontOption(int option) const { return fonts_[option]; }
    // kPageNumbersOff "付けない", kPageNumbersOn "付ける".
    QRadioButton* pageNumberOption(int option) const { return pageNumbers_[option]; }
    QLabel* startLabel() const { return startLabel_; }
    QLineEdit* startField() const { return start_; }
    QPushButton* storeButton() const { return store_; }
    QPushButton* cancelButton() const { return cancel_; }

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
