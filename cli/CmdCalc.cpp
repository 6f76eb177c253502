// `zel calc FILE.Zel`: calculates every beam of a data file and shows the results as a table
// or as JSON; `--save` writes the results back like an overwrite save.
#include <cmath>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "Commands.h"
#include "WhyJson.h"
#include "calc/CalculateBeam.h"
#include "data/ZelFile.h"
#include "lib/Numbers.h"
#include "lib/ShiftJis.h"
#include "lib/Units.h"
#include "output/CheckViewTexts.h"

namespace zel::cli {

namespace {

using Json = nlohmann::ordered_json;

struct CalcOptions {
    std::string file;
    bool json = false;
    bool save = false;
};

// Floats go out as the double of the Single, which prints every digit the Single holds.
Json Number(float value) {
    if (!std::isfinite(value)) return nullptr;
    return static_cast<double>(value);
}

Json SectionJson(const SectionResult& s) {
    Json j;
    j["dt"] = Number(s.dt);
    j["j"] = Number(s.j);
    j["atRequired"] = Number(s.atRequired);
    j["tensionBars"] = s.tensionBars;
    j["pt"] = Number(s.pt);
    j["psiRequired"] = Number(s.psiRequired);
    j["barsPerLayer"] = s.barsPerLayer;
    j["layers"] = s.layers;
    j["pw"] = Number(s.pw);
    j["stirrupLegs"] = s.stirrupLegs;
    j["stirrupPitch"] = s.stirrupPitch;
    j["topBars"] = s.topBars;
    j["bottomBars"] = s.bottomBars;
    j["placementFailed"] = s.placementFailed;
    return j;
}

Json BeamJson(const Project& project, int slot, const CalcResult* r) {
    const BeamRecord& beam = project.Beam(slot);
    Json j;
    j["slot"] = slot;
    j["memberName"] = beam.memberName;
    j["skipBeam"] = beam.skipBeam != 0;
    if (r == nullptr) return j;
    j["allowable"] = {{"ft", Number(r->ft)},
                      {"fa", Number(r->fa)},
                      {"fs", Number(r->fs)},
                      {"wft", Number(r->wft)}};
    const LoadEffects& e = r->loadEffects;
    j["loadEffects"] = {{"CL", Number(e.CL)},
                        {"CR", Number(e.CR)},
                        {"Mo", Number(e.Mo)},
                        {"QL", Number(e.QL)},
                        {"QR", Number(e.QR)}};
    const DesignStresses& d = r->designStresses;
    j["designStresses"] = {{"Mleft", Number(d.Mleft)},     {"Mcentre", Number(d.Mcentre)},
                           {"Mright", Number(d.Mright)},   {"Qleft", Number(d.Qleft)},
                           {"Qcentre", Number(d.Qcentre)}, {"Qright", Number(d.Qright)}};
    Json sections = Json::array();
    for (int k = 0; k < 3; ++k) {
        sections.push_back(SectionJson(r->sections[static_cast<std::size_t>(k)]));
        AddWhyJson(sections.back(), *r, k);
    }
    j["sections"] = std::move(sections);
    j["anyPlacementFailed"] = r->anyPlacementFailed != 0 ? 1 : 0;
    j["judgement"] = r->Judgement();
    if (!r->Calculated()) j["error"] = r->error;
    return j;
}

// The results of beam slot i among those CalculateAll returned (nullptr when skipped).
const CalcResult* ResultOf(const std::vector<CalcResult>& results, int slot) {
    for (const CalcResult& r : results) {
        if (r.slot == slot) return &r;
    }
    return nullptr;
}

void PrintTable(const Project& project, const std::vector<CalcResult>& results) {
    const bool si = project.settings.outputIsSI();
    const double force = si ? kStandardGravity : 1.0;  // t -> kN
    const char* momentUnit = si ? "kN·m" : "t·m";
    const char* forceUnit = si ? "kN" : "t";
    // t/cm2 -> kg/cm2 or N/mm2
    const double stress = si ? kStandardGravity * 10.0 : 1000.0;
    const char* stressUnit = si ? "N/mm2" : "kg/cm2";
    std::ostringstream out;
    for (int slot = 1; slot <= project.BeamCount(); ++slot) {
        const BeamRecord& beam = project.Beam(slot);
        const CalcResult* r = ResultOf(results, slot);
        out << slot << "  " << beam.memberName << "  ";
        if (r == nullptr) {
            out << "(この梁は計算しない)\n\n";
            continue;
        }
        out << r->Judgement() << "\n";
        if (!r->Calculated()) {
            out << "  計算できません: " << r->error << "\n\n";
            continue;
        }
        out << "  ft " << FormatFixed(r->ft * stress, 1) << "  fs "
            << FormatFixed(r->fs * stress, 2) << "  fa " << FormatFixed(r->fa * stress, 2)
            << "  wft " << FormatFixed(r->wft * stress, 1) << " (" << stressUnit << ")\n";
        out << "  " << PadRightToWidth("断面", 6)
            << PadRightToWidth(std::string("M(") + momentUnit + ")", 12)
            << PadRightToWidth(std::string("Q(") + forceUnit + ")", 11)
            << PadRightToWidth("上端筋", 13) << PadRightToWidth("下端筋", 13)
            << PadRightToWidth("段数", 6) << PadRightToWidth("ｽﾀｰﾗｯﾌﾟ", 14) << "判定\n";
        const DesignStresses& d = r->designStresses;
        const float moments[3] = {d.Mleft, d.Mcentre, d.Mright};
        const float shears[3] = {d.Qleft, d.Qcentre, d.Qright};
        const char* labels[3] = {"左端", "中央", "右端"};
        for (int s = 0; s < 3; ++s) {
            const SectionResult& sec = r->sections[s];
            // Each section on its own, with the texts of the check view and the sheet.
            const ColumnValues own{s, sec.topBars, sec.bottomBars, sec.stirrupPitch,
                                   sec.placementFailed};
            out << "  " << PadRightToWidth(labels[s], 6)
                << PadRightToWidth(FormatFixed(moments[s] * force, 2), 12)
                << PadRightToWidth(FormatFixed(shears[s] * force, 2), 11)
                << PadRightToWidth(BarText(beam, *r, own, true), 13)
                << PadRightToWidth(BarText(beam, *r, own, false), 13)
                << PadRightToWidth(std::to_string(sec.layers), 6)
                << PadRightToWidth(StirrupText(beam, *r, own), 14) << JudgementText(*r, own)
                << "\n";
        }
        out << "\n";
    }
    std::cout << out.str();
}

void RunCalc(const CalcOptions& options) {
    Project project = LoadProjectOrFail(options.file);

    const std::vector<CalcResult> results = CalculateAll(project);

    if (options.json) {
        Json root;
        root["unitCode"] = project.settings.unitCode;
        root["beamCount"] = project.BeamCount();
        Json beams = Json::array();
        for (int slot = 1; slot <= project.BeamCount(); ++slot) {
            beams.push_back(BeamJson(project, slot, ResultOf(results, slot)));
        }
        root["beams"] = std::move(beams);
        // Texts from files may hold bytes that are not UTF-8; replace rather than throw.
        std::cout << root.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        PrintTable(project, results);
    }

    if (options.save) {
        const ZelSaveResult saved = SaveZelFile(options.file, project);
        if (!saved.ok) Fail("保存できませんでした: " + saved.error);
    }
}

}  // namespace

void AddCalcCommands(CLI::App& app) {
    auto options = std::make_shared<CalcOptions>();
    CLI::App* calc = app.add_subcommand(
        "calc", "Calculate every beam of a data file (*.Zel) and print the results");
    calc->add_option("file", options->file, "data file (*.Zel)")->required();
    calc->add_flag("--json", options->json, "print the results as one JSON object");
    calc->add_flag("--save", options->save,
                   "write the result records back into the file (like an overwrite save)");
    calc->callback([options] { RunCalc(*options); });
}

}  // namespace zel::cli
