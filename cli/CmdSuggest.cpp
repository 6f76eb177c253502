// `zel suggest FILE.Zel`: for every "設計不可" beam (or the one named) the smallest deeper, then
// wider section that passes, with its bars and stirrups; `--apply -o OUT.Zel` writes a copy of
// the data file with those sections.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "calc/CalculateBeam.h"
#include "calc/SectionSuggestion.h"
#include "data/AtomicFile.h"
#include "data/ZelFile.h"
#include "lib/Numbers.h"
#include "lib/ShiftJis.h"
#include "lib/Text.h"
#include "output/CheckViewTexts.h"
#include "output/SectionWhyTexts.h"

namespace zel::cli {

namespace {

struct SuggestOptions {
    std::string file;
    std::string beam;
    SuggestionLimits limits;
    bool apply = false;
    std::string output;
};

void PrintBars(std::ostringstream& out, const BeamRecord& beam, const CalcResult& result) {
    const CheckViewTexts texts = SuggestedSectionTexts(beam, result);
    for (const CheckColumn& c : texts.columns) {
        out << "    " << PadRightToWidth(c.heading, 8) << "上端筋 "
            << PadRightToWidth(c.topBars, 14) << "下端筋 " << PadRightToWidth(c.bottomBars, 14)
            << "ｽﾀｰﾗｯﾌﾟ " << c.stirrups << '\n';
    }
}

// "2G1" names the beam "2G1" and also "2G1 (X1通り)": member names often carry a note.
bool Names(const std::string& wanted, const std::string& memberName) {
    const std::string_view name = TrimBlanks(memberName);
    if (name == wanted) return true;
    if (name.size() <= wanted.size() || name.substr(0, wanted.size()) != wanted) return false;
    const std::string_view rest = name.substr(wanted.size());
    return rest.front() == ' ' || rest.front() == '(' || rest.substr(0, 3) == "\u3000";
}

void RunSuggest(const SuggestOptions& options) {
    const Project loaded = LoadProjectOrFail(options.file);
    Project calculated = loaded;
    const std::vector<CalcResult> results = CalculateAll(calculated);

    const std::string wanted(TrimBlanks(options.beam));
    Project output = loaded;
    int named = 0, failing = 0, changed = 0;
    std::ostringstream out;
    for (const CalcResult& current : results) {
        const int slot = current.slot;
        const BeamRecord& beam = loaded.Beam(slot);
        if (!wanted.empty() && !Names(wanted, beam.memberName)) continue;
        ++named;
        if (wanted.empty() && !current.DesignImpossible()) continue;
        out << slot << "  " << beam.memberName << '\n';
        out << "  現在 " << SectionSizesText(beam) << "  " << current.Judgement();
        if (current.DesignImpossible())
            out << " (" << WorstFailureSentence(current, {0, 1, 2}) << ")";
        out << '\n';
        if (!current.DesignImpossible()) continue;
        ++failing;
        const SectionSuggestion s = SuggestSection(loaded, slot, options.limits);
        if (!s.found) {
            out << "  提案 見つかりません (B≤" << FormatGeneral(options.limits.maxWidth) << "cm, D≤"
                << FormatGeneral(options.limits.maxDepth) << "cm)\n";
            continue;
        }
        out << "  提案 " << SectionSizesText(s.beam) << '\n';
        PrintBars(out, s.beam, s.result);
        output.Beam(slot) = s.beam;
        ++changed;
    }
    // A named beam that is skipped has no result; it still exists.
    if (!wanted.empty() && named == 0) {
        bool exists = false;
        for (int slot = 1; slot <= loaded.BeamCount(); ++slot)
            exists = exists || Names(wanted, loaded.Beam(slot).memberName);
        if (!exists) Fail("no beam named \"" + wanted + "\" in " + options.file);
        out << "\"" << wanted << "\": (この梁は計算しない)\n";
    }
    if (wanted.empty() && failing == 0) out << "設計不可の梁はありません\n";
    std::cout << out.str();

    if (!options.apply) return;
    int altered = 0;
    const std::string bytes = EncodeZel(output, &altered);
    if (altered > 0) {
        Fail(std::to_string(altered) +
             " text(s) have characters without a Shift-JIS form; nothing written");
    }
    if (const std::string failed = WriteFileAtomically(options.output, bytes); !failed.empty())
        Fail("cannot write " + failed);
    std::cout << options.output << ": " << changed << " beam(s) changed\n";
}

}  // namespace

void AddSuggestCommands(CLI::App& app) {
    auto options = std::make_shared<SuggestOptions>();
    CLI::App* cmd = app.add_subcommand(
        "suggest",
        "For every beam judged \"設計不可\" find the smallest deeper, then wider section that "
        "passes, and show its bars and stirrups");
    cmd->add_option("file", options->file, "data file (.Zel)")->required();
    cmd->add_option("--beam", options->beam,
                    "only the beam of this member name (\"2G1\" also names \"2G1 (X1通り)\")");
    cmd->add_option("--step", options->limits.step, "cm added to B or D at a time (0.5-100)")
        ->check(CLI::Range(0.5, 100.0))
        ->capture_default_str();
    cmd->add_option("--max-depth", options->limits.maxDepth,
                    "deepest section tried, cm (the largest D of the beam; up to 1000)")
        ->check(CLI::Range(1.0, 1000.0))
        ->capture_default_str();
    cmd->add_option("--max-width", options->limits.maxWidth,
                    "widest section tried, cm (the largest B of the beam; up to 1000)")
        ->check(CLI::Range(1.0, 1000.0))
        ->capture_default_str();
    CLI::Option* apply =
        cmd->add_flag("--apply", options->apply,
                      "write a copy of the data file with the suggested sections (needs -o)");
    CLI::Option* out =
        cmd->add_option("-o,--output", options->output, "data file to write with --apply");
    apply->needs(out);
    out->needs(apply);
    cmd->callback([options] { RunSuggest(*options); });
}

}  // namespace zel::cli
