#include "qt/print/Printers.h"

#include <cups/cups.h>

#include <QPrinter>
#include <cstring>

#include "qt/common/QtText.h"

namespace zel::qt {
namespace {

// Destinations of the print system, released when the list goes out of scope.
class Destinations {
  public:
    Destinations() { count_ = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_); }
    ~Destinations() { cupsFreeDests(count_, dests_); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;
    const cups_dest_t* begin() const { return dests_; }
    const cups_dest_t* end() const { return dests_ + count_; }

  private:
    int count_ = 0;
    cups_dest_t* dests_ = nullptr;
};

}  // namespace

std::vector<InstalledPrinter> InstalledPrinters() {
    std::vector<InstalledPrinter> printers;
    // Instances ("queue/instance") are option sets of a queue, not printers of their own.
    for (const cups_dest_t& dest : Destinations())
        if (dest.instance == nullptr) printers.push_back({dest.name, dest.is_default != 0});
    return printers;
}

std::string DefaultPrinterName() {
    for (const InstalledPrinter& printer : InstalledPrinters())
        if (printer.isDefault) return printer.name;
    return {};
}

std::string PrinterProblem(const std::string& name) {
    if (name.empty()) {
        return InstalledPrinters().empty() ? "プリンターがインストールされていません。"
                                           : "プリンターが選択されていません。";
    }
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (dest == nullptr) return "プリンター \"" + name + "\" が見つかりません。";
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    std::string problem;
    if (accepting == nullptr || std::strcmp(accepting, "true") != 0) {
        problem = "プリンター \"" + name + "\" は印刷を受け付けていません。";
        const char* why = cupsGetOption("printer-state-message", dest->num_options, dest->options);
        if (why != nullptr && *why != '\0') problem += std::string(" (") + why + ")";
    }
    cupsFreeDests(1, dest);
    return problem;
}

PrinterChoice::PrinterChoice() : name_(DefaultPrinterName()) {}
PrinterChoice::PrinterChoice(std::string name) : name_(std::move(name)) {}
PrinterChoice::~PrinterChoice() = default;
PrinterChoice::PrinterChoice(PrinterChoice&&) noexcept = default;
PrinterChoice& PrinterChoice::operator=(PrinterChoice&&) noexcept = default;

bool PrinterChoice::Choose(const std::string& name) {
    for (const InstalledPrinter& printer : InstalledPrinters()) {
        if (printer.name == name) {
            name_ = name;
            if (device_) device_->setPrinterName(ToQ(name_));
            return true;
        }
    }
    return false;
}

QPrinter& PrinterChoice::Device() {
    if (!device_) {
        device_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device_->setPrinterName(ToQ(name_));
    }
    return *device_;
}

}  // namespace zel::qt
