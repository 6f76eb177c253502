#pragma once
// "ﾌﾟﾘﾝﾀｰの設定(&U)...": the platform's set-up dialog of the program's current printer.
class QWidget;

namespace zel {
class Prompter;
}  // namespace zel

namespace zel::qt {

class PrinterChoice;

// Shows the platform's set-up of `printer` (paper, copies, sides, the driver's options); what
// the user chooses there stays with `printer` for every later print, and choosing another
// printer there makes it the program's printer. Tells the user (false) when no printer is
// installed or `printer` is gone.
bool OpenPrinterPageSetup(QWidget* parent, Prompter& prompter, PrinterChoice& printer);

}  // namespace zel::qt
