// `zel schedule`: the result schedule (結果一覧表) as an Excel workbook or as CSV.
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "Commands.h"
#include "data/AtomicFile.h"
#include "lib/Paths.h"
#include "output/ScheduleWriter.h"

namespace zel::cli {

namespace {

struct ScheduleOptions {
    std::string input;
    std::string output;
    std::string encoding = "utf8";
};

void RunSchedule(const ScheduleOptions& options) {
    const std::string extension = LowerExtensionOf(options.output);
    if (extension != "xlsx" && extension != "csv")
        UsageMistake("-o: \"" + options.output + "\" must end in .xlsx or .csv");
    if (extension == "xlsx" && options.encoding != "utf8")
        UsageMistake("--encoding applies to CSV only");
    if (std::string refused = CheckOutputFile(options.output); !refused.empty())
        Fail("cannot write " + refused);
    Project project = LoadProjectOrFail(options.input);
    const ResultSchedule schedule = BuildResultSchedule(project);
    const std::string failed =
        extension == "xlsx" ? WriteScheduleXlsx(schedule, options.output)
                            : WriteScheduleCsv(schedule, options.output,
                                               options.encoding == "cp932" ? CsvEncoding::kShiftJis
                                                                           : CsvEncoding::kUtf8Bom);
    if (!failed.empty()) Fail("cannot write " + failed);
}

}  // namespace

void AddScheduleCommands(CLI::App& app) {
    auto options = std::make_shared<ScheduleOptions>();
    auto* cmd = app.add_subcommand(
        "schedule", "Write the result schedule (one row per sheet column) as .xlsx or .csv");
    cmd->add_option("FILE", options->input, "data file (.Zel)")->required();
    cmd->add_option("-o,--output", options->output, "schedule to write (.xlsx or .csv)")
        ->required();
    cmd->add_option("--encoding", options->encoding,
                    "CSV encoding: utf8 (with a byte-order mark, the default) or cp932")
        ->check(CLI::IsMember({"utf8", "cp932"}));
    cmd->callback([options] { RunSchedule(*options); });
}

}  // namespace zel::cli
