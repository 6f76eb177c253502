#pragma once
// A drawing (Drawing.h) as a DXF file for CAD programs: one model space in millimetres at 1:1,
// the pages side by side from left to right as they are printed, the texts sized for the
// drawing's scale.
//
// The file is AutoCAD R2000 (AC1015) ASCII DXF with $DWGCODEPAGE ANSI_932: the texts are
// Shift-JIS, which the Japanese CAD programs and every later AutoCAD read; a character without
// a Shift-JIS form is written as \U+XXXX. Layers OUTLINE, STIRRUP, BAR, TEXT and FRAME; bars are
// CIRCLE entities, outlines, stirrups and frames LWPOLYLINE (the stirrups with their width),
// texts TEXT in the style ZEL_JP (MS Gothic).
#include <string>

#include "output/Drawing.h"

namespace zel {

// The layer name of a drawing layer in the file.
const char* DxfLayerName(DrawingLayer layer);

std::string DxfBytes(const Drawing& drawing);

// Writes the file through a temporary file and a rename; "" on success, else why it failed
// (the old file is then untouched).
std::string WriteDxfFile(const std::string& path, const Drawing& drawing);

}  // namespace zel
