#pragma once
// Default values for new beams and new projects, stored in "KavoZel.Def". Member order is the
// file order.
#include <array>
#include <cstdint>
#include <string>

namespace zel {

struct ProjectSettings;
struct SheetFontSetting;

struct DefaultsRecord {
    std::int16_t sectionOption = 0;  // 0-based section option (0 = one section)
    std::int16_t mainBarGrade = 0;   // GradeCode
    std::int16_t stirrupGrade = 0;   // GradeCode
    std::string mainBarSize;
    std::string stirrupSize;
    std::int16_t minRebarRule = 0;
    std::int16_t assemblyMethod = 0;
    std::int16_t maxStirrupPitch = 0;  // mm
    float compressionBarRatio = 0.0f;  // γ
    std::int16_t maxBarLayers = 0;
    std::int16_t maxStirrupLegs = 0;
    std::int16_t spanType = 0;
    float concreteFc = 0.0f;  // kg/cm2
    std::int16_t shortTerm = 0;
    std::array<std::uint8_t, 12> reserved{};  // never read or set; carried
    std::int16_t unitCode = 0;
    std::string sheetTitle;
    std::int16_t pageNumberMode = 0;  // 1 "付けない", 2 "付ける"
    std::int16_t firstPageNumber = 0;
    std::int16_t reserved2 = 0;   // written as read (0 from this program)
    std::int16_t fontChoice = 0;  // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"

    bool operator==(const DefaultsRecord&) const = default;
};

// The built-in defaults: D16/D10, γ 0.5, pitch 250, 2 layers, 2 legs, Fc 210, SI/SI units,
// title "梁断面算定結果", page numbers from page 1, Mincho font.
DefaultsRecord BuiltInDefaults();

// Copies the project-wide part of the defaults into a new project's settings and font.
// The beam count is left alone.
void ApplyDefaultsToProject(const DefaultsRecord& defaults, ProjectSettings& settings,
                            SheetFontSetting& font);

}  // namespace zel
