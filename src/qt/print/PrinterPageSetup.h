#pragma once
// "ﾌﾟﾘﾝﾀｰの設定(&U)...": the platform's set-up dialog of the program's current printer.
class QWidget;

namespace zel {
class Prompter;
}  // namespace zel

namespace zel::qt {

class PrinterChoice;

// Shows the paper and printer set-up of `printer`; what the user chooses there stays with the
// print system. Tells the user (false) when no printer is installed or `printer` is gone.
bool OpenPrinterPageSetup(QWidget* parent, Prompter& prompter, const PrinterChoice& printer);

}  // namespace zel::qt
