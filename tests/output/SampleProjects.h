#pragma once
// The sample projects under resources/samples/ are written from their JSON sources in
// tests/output/samples/ (a test format, not `zel import` JSON): field names as in BeamRecord, loads
// as {type, value, height, lengths}. The beam is completed the way committing it from the input
// area does (self weight, moment position, grade values).
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>

#include "calc/CalculateBeam.h"
#include "data/GradeTable.h"
#include "data/Project.h"
#include "data/SheetFontSetting.h"

namespace zel::test {

inline std::string SamplePath(const std::string& name) {
    return std::string(ZEL_SOURCE_DIR) + "/resources/samples/" + name;
}

inline std::string SampleSourcePath(const std::string& name) {
    return std::string(ZEL_SOURCE_DIR) + "/tests/output/samples/" + name;
}

inline BeamRecord BeamFromJson(const nlohmann::json& j, const GradeTable& grades) {
    BeamRecord b;
    b.memberName = j.at("memberName").get<std::string>();
    b.sectionCount = j.value("sectionCount", std::int16_t{1});
    for (int s = 0; s < 3; ++s) {
        b.sectionWidth[s] = j.at("sectionWidth").at(s).get<float>();
        b.sectionDepth[s] = j.at("sectionDepth").at(s).get<float>();
        b.sectionCover[s] = j.at("sectionCover").at(s).get<float>();
    }
    b.spanLength = j.at("spanLength").get<float>();
    b.minRebarRule = j.value("minRebarRule", std::int16_t{0});
    b.mainBarGrade = j.value("mainBarGrade", std::int16_t{0});
    b.stirrupGrade = j.value("stirrupGrade", std::int16_t{0});
    b.mainBarSize = j.value("mainBarSize", std::string("D16"));
    b.stirrupSize = j.value("stirrupSize", std::string("D10"));
    b.assemblyMethod = j.value("assemblyMethod", std::int16_t{0});
    b.maxStirrupPitch = j.value("maxStirrupPitch", std::int16_t{250});
    b.compressionBarRatio = j.value("compressionBarRatio", 0.5f);
    b.maxBarLayers = j.value("maxBarLayers", std::int16_t{2});
    b.maxStirrupLegs = j.value("maxStirrupLegs", std::int16_t{2});
    b.spanType = j.value("spanType", std::int16_t{0});
    b.concreteFc = j.value("concreteFc", 210.0f);
    b.skipBeam = j.value("skipBeam", std::int16_t{0});
    b.shortTerm = j.value("shortTerm", std::int16_t{0});
    b.ignoreSelfWeight = j.value("ignoreSelfWeight", std::int16_t{0});
    b.supportType = j.value("supportType", std::int16_t{0});
    b.momentPositionMode = j.value("momentPositionMode", std::int16_t{0});
    if (b.supportType == 1) b.sectionCount = 1;
    b.userCoefficients = {1.0f, 0.0f, 1.0f};
    if (j.contains("userCoefficients")) {
        for (int i = 0; i < 3; ++i)
            b.userCoefficients[i] = j["userCoefficients"].at(i).get<float>();
    }
    const auto& loads = j.value("loads", nlohmann::json::array());
    if (loads.size() > static_cast<std::size_t>(kMaxLoads))
        throw std::runtime_error("more than 20 loads");
    b.loadCount = static_cast<std::int16_t>(loads.size());
    for (std::size_t k = 0; k < loads.size(); ++k) {
        b.loadType[k] = loads[k].at("type").get<std::int16_t>();
        b.loadValue[k] = loads[k].at("value").get<float>();
        b.loadHeight[k] = loads[k].value("height", 0.0f);
        for (int i = 0; i < 4; ++i) b.loadLengths[k][i] = loads[k].at("lengths").at(i).get<float>();
    }
    // What committing the beam in the input area fills in.
    b.mainGradeValue = grades.ValueOf(b.mainBarGrade);
    b.stirrupGradeValue = grades.ValueOf(b.stirrupGrade);
    b.selfWeight = ComputeSelfWeight(b);
    b.momentPosition = ComputeMomentPosition(b, j.value("momentPosition", 0.0f));
    return b;
}

// The project of a JSON source, calculated as a save calculates it.
inline Project ProjectFromJson(const std::string& jsonPath) {
    std::ifstream in(jsonPath);
    if (!in) throw std::runtime_error("cannot read " + jsonPath);
    const nlohmann::json j = nlohmann::json::parse(in);
    const GradeTableReadResult grades =
        ReadGradeTable(std::string(ZEL_SOURCE_DIR) + "/resources/" + kGradeTableFileName);
    if (!grades.ok) throw std::runtime_error(grades.error);

    Project project = MakeEmptyProject();
    const auto& s = j.at("settings");
    project.settings.unitCode = s.value("unitCode", std::int16_t{0});
    project.settings.sheetTitle = s.value("sheetTitle", std::string(kDefaultSheetTitle));
    project.settings.pageNumberMode = s.value("pageNumberMode", std::int16_t{2});
    project.settings.firstPageNumber = s.value("firstPageNumber", std::int16_t{1});
    project.font.fontChoice =
        j.value("font", nlohmann::json::object()).value("fontChoice", std::int16_t{0});
    project.font.fontName = FontNameForChoice(project.font.fontChoice);
    const auto& beams = j.at("beams");
    if (beams.size() > static_cast<std::size_t>(kMaxBeams))
        throw std::runtime_error("more than 50 beams");
    for (std::size_t i = 0; i < beams.size(); ++i)
        project.beams[i] = BeamFromJson(beams[i], grades.table);
    project.settings.beamCount = static_cast<std::int16_t>(beams.size());
    CalculateAll(project);
    return project;
}

}  // namespace zel::test
