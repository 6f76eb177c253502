#pragma once
// "ﾌﾟﾘﾝﾀｰの設定(&U)...": the platform's set-up dialog of the program's current printer.
class QWidget;

namespace zel {
class PrinterChoice;
}

namespace zel::qt {

// Shows the paper and printer set-up of `printer`; what the user chooses there stays with the
// print system. Tells the user when no printer is installed.
void OpenPrinterSetup(QWidget* parent, const PrinterChoice& printer);

}  // namespace zel::qt
