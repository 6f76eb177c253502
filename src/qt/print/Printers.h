#pragma once
// The installed printers and the program's own choice among them, asked of the print system
// (CUPS) itself. Qt alone cannot be trusted here: a QPrinter given an unknown name quietly
// prints to the default printer, and finishing a job reports success even when the server
// refused it. So a queue is checked before a job is sent, and the server's answer is read back
// after it.
#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace zel::qt {

struct InstalledPrinter {
    std::string name;
    bool isDefault = false;
};

// Printers in the print system's order, the system default marked.
std::vector<InstalledPrinter> InstalledPrinters();

// The system default printer; empty when there is none.
std::string DefaultPrinterName();

// Why `name` cannot take a job now (it does not exist, or it refuses jobs); empty when it can.
// The texts are the program's messages, in Japanese.
std::string PrinterProblem(const std::string& name);

// The printer the program prints to. It starts as the system default and changes only by the
// user's choice inside the program; the system default itself is never touched, so nothing
// needs to be restored when the program ends.
class PrinterChoice {
  public:
    PrinterChoice();
    explicit PrinterChoice(std::string name);
    ~PrinterChoice();
    PrinterChoice(PrinterChoice&&) noexcept;
    PrinterChoice& operator=(PrinterChoice&&) noexcept;

    const std::string& Name() const { return name_; }
    // Makes `name` the current printer when an installed printer has exactly that name;
    // otherwise the current printer stays and false is returned.
    bool Choose(const std::string& name);

    // The current printer with what the user set up for it (copies, sides, paper source, the
    // driver's own options). Every print goes through this one device, so the set-up lasts as
    // long as the choice; it moves along when another printer is chosen, as far as that
    // printer offers the same. Made on first use, which needs the GUI application.
    QPrinter& Device();

  private:
    std::string name_;
    std::unique_ptr<QPrinter> device_;
};

}  // namespace zel::qt
