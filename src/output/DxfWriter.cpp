#include "output/DxfWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "data/AtomicFile.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

// Blank between two pages in the model space, in mm of paper.
constexpr double kPageGap = 20.0;
constexpr const char* kTextStyle = "ZEL_JP";

struct LayerStyle {
    DrawingLayer layer;
    const char* name;
    int color;       // AutoCAD colour index
    int lineWeight;  // 1/100 mm
};

constexpr LayerStyle kLayers[kDrawingLayerCount] = {
    {DrawingLayer::Outline, "OUTLINE", 7, 35}, {DrawingLayer::Stirrup, "STIRRUP", 3, 25},
    {DrawingLayer::Bar, "BAR", 1, 18},         {DrawingLayer::Text, "TEXT", 7, 18},
    {DrawingLayer::Frame, "FRAME", 8, 13},
};

// Fixed handles of the structure; entities are numbered from kFirstEntity on.
enum Handle : unsigned {
    kLayerTable = 0x1,
    kLtypeTable,
    kAppidTable,
    kDimstyleTable,
    kStyleTable,
    kUcsTable,
    kViewTable,
    kVportTable,
    kBlockRecordTable,
    kRootDictionary,
    kGroupDictionary,
    kLayoutDictionary,
    kModelRecord,
    kModelBlock,
    kModelBlockEnd,
    kModelLayout,
    kPaperRecord,
    kPaperBlock,
    kPaperBlockEnd,
    kPaperLayout,
    kVport,
    kLtypeByBlock,
    kLtypeByLayer,
    kLtypeContinuous,
    kLayer0,
    kStandardStyle,
    kJapaneseStyle,
    kAppidAcad,
    kStandardDimstyle,
    kLayerFirst,  // the drawing layers follow
    kFirstEntity = kLayerFirst + kDrawingLayerCount,
};

std::string Hex(unsigned handle) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", handle);
    return text;
}

// Shift-JIS bytes of a one-line text; characters without a Shift-JIS form as \U+XXXX ("?" beyond
// the four digits), and the control sequences %%c, %%d... kept from acting by writing each % as
// %%%.
std::string DxfText(const std::string& utf8) {
    const bool percents = utf8.find("%%") != std::string::npos;
    if (!percents && utf8.find_first_of("\r\n") == std::string::npos) {
        if (auto sjis = Utf8ToSjis(utf8)) return std::move(*sjis);
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        length = std::min(length, utf8.size() - i);
        const std::string character = utf8.substr(i, length);
        i += length;
        if (character == "\r" || character == "\n") continue;
        if (percents && character == "%") {
            out += "%%%";
            continue;
        }
        if (const auto sjis = Utf8ToSjis(character); sjis && !sjis->empty()) {
            out += *sjis;
            continue;
        }
        // The code point of a UTF-8 character (U+FFFD for a broken one).
        unsigned code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
        if (length == 1 && lead >= 0x80) code = 0xFFFD;
        // The escape holds four hex digits: beyond them there is no way to write it.
        if (code > 0xFFFF) {
            out += '?';
            continue;
        }
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\U+%04X", code);
        out += escape;
    }
    return out;
}

class DxfOut {
  public:
    void Tag(int code, std::string_view value) {
        char head[8];
        std::snprintf(head, sizeof head, "%3d\r\n", code);
        bytes_ += head;
        bytes_ += value;
        bytes_ += "\r\n";
    }
    void Tag(int code, int value) { Tag(code, std::to_string(value)); }
    void Number(int code, double value) {
        if (!std::isfinite(value)) value = 0.0;
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, value).ptr;
        std::string_view shown(text, static_cast<std::size_t>(end - text));
        // A whole number still reads as a real.
        if (shown.find_first_of(".e") == std::string_view::npos) {
            Tag(code, std::string(shown) + ".0");
        } else {
            Tag(code, shown);
        }
    }
    void Point(int code, double x, double y) {
        Number(code, x);
        Number(code + 10, y);
        Number(code + 20, 0.0);
    }
    void Handle(int code, unsigned handle) { Tag(code, Hex(handle)); }
    std::string& Bytes() { return bytes_; }

  private:
    std::string bytes_;
};

class DxfComposer {
  public:
    explicit DxfComposer(const Drawing& drawing) : d_(drawing) {
        const double scale = std::max(1, drawing.scale);
        pageStep_ = (drawing.paperWidth + kPageGap) * scale;
        height_ = drawing.PageHeight();
        width_ = drawing.pages.empty()
                     ? drawing.PageWidth()
                     : pageStep_ * static_cast<double>(drawing.pages.size()) - kPageGap * scale;
    }

    std::string Compose() {
        // Entities first: their count gives the next free handle for the header.
        DxfOut entities;
        unsigned handle = kFirstEntity;
        for (std::size_t p = 0; p < d_.pages.size(); ++p)
            Entities(entities, d_.pages[p], pageStep_ * static_cast<double>(p), handle);

        Header(handle);
        o_.Tag(0, "SECTION");
        o_.Tag(2, "CLASSES");
        o_.Tag(0, "ENDSEC");
        Tables();
        Blocks();
        o_.Tag(0, "SECTION");
        o_.Tag(2, "ENTITIES");
        o_.Bytes() += entities.Bytes();
        o_.Tag(0, "ENDSEC");
        Objects();
        o_.Tag(0, "EOF");
        return std::move(o_.Bytes());
    }

  private:
    // Model-space coordinates: x as on the page shifted by the page's place, y upwards.
    double X(double x, double offset) const { return x + offset; }
    double Y(double y) const { return height_ - y; }

    void EntityHead(DxfOut& o, const char* type, DrawingLayer layer, unsigned& handle) {
        o.Tag(0, type);
        o.Handle(5, handle++);
        o.Handle(330, kModelRecord);
        o.Tag(100, "AcDbEntity");
        o.Tag(8, DxfLayerName(layer));
    }

    void Entities(DxfOut& o, const DrawingPage& page, double offset, unsigned& handle) {
        for (const DrawingPolyline& line : page.polylines) {
            if (line.points.size() < 2) continue;
            EntityHead(o, "LWPOLYLINE", line.layer, handle);
            o.Tag(100, "AcDbPolyline");
            o.Tag(90, static_cast<int>(line.points.size()));
            o.Tag(70, line.closed ? 1 : 0);
            o.Number(43, line.width);
            for (const DrawingPoint& p : line.points) {
                o.Number(10, X(p.x, offset));
                o.Number(20, Y(p.y));
            }
        }
        for (const DrawingCircle& circle : page.circles) {
            EntityHead(o, "CIRCLE", circle.layer, handle);
            o.Tag(100, "AcDbCircle");
            o.Point(10, X(circle.centre.x, offset), Y(circle.centre.y));
            o.Number(40, circle.radius);
        }
        for (const DrawingText& text : page.texts) {
            const std::string value = DxfText(text.text);
            if (value.empty()) continue;
            EntityHead(o, "TEXT", text.layer, handle);
            o.Tag(100, "AcDbText");
            const double x = X(text.at.x, offset), y = Y(text.at.y);
            o.Point(10, x, y);
            o.Number(40, text.height);
            o.Tag(1, value);
            if (text.widthFactor != 1.0) o.Number(41, text.widthFactor);
            o.Tag(7, kTextStyle);
            o.Tag(72, text.align == DrawingAlign::Centre  ? 1
                      : text.align == DrawingAlign::Right ? 2
                                                          : 0);
            o.Point(11, x, y);
            o.Tag(100, "AcDbText");
            o.Tag(73, 2);  // the point is the middle of the text's height
        }
    }

    void HeaderVariable(const char* name) { o_.Tag(9, name); }

    void Header(unsigned nextHandle) {
        o_.Tag(0, "SECTION");
        o_.Tag(2, "HEADER");
        HeaderVariable("$ACADVER");
        o_.Tag(1, "AC1015");
        HeaderVariable("$DWGCODEPAGE");
        o_.Tag(3, "ANSI_932");
        HeaderVariable("$INSBASE");
        o_.Point(10, 0.0, 0.0);
        HeaderVariable("$EXTMIN");
        o_.Point(10, 0.0, 0.0);
        HeaderVariable("$EXTMAX");
        o_.Point(10, width_, height_);
        HeaderVariable("$LIMMIN");
        o_.Number(10, 0.0);
        o_.Number(20, 0.0);
        HeaderVariable("$LIMMAX");
        o_.Number(10, width_);
        o_.Number(20, height_);
        HeaderVariable("$TEXTSTYLE");
        o_.Tag(7, kTextStyle);
        HeaderVariable("$CLAYER");
        o_.Tag(8, "0");
        HeaderVariable("$LUNITS");
        o_.Tag(70, 2);
        HeaderVariable("$INSUNITS");
        o_.Tag(70, 4);  // millimetres
        HeaderVariable("$MEASUREMENT");
        o_.Tag(70, 1);  // metric
        HeaderVariable("$LWDISPLAY");
        o_.Tag(290, 1);
        HeaderVariable("$HANDSEED");
        o_.Handle(5, nextHandle);
        o_.Tag(0, "ENDSEC");
    }

    void TableHead(const char* name, unsigned handle, int count) {
        o_.Tag(0, "TABLE");
        o_.Tag(2, name);
        o_.Handle(5, handle);
        o_.Handle(330, 0);
        o_.Tag(100, "AcDbSymbolTable");
        o_.Tag(70, count);
    }

    void RecordHead(const char* type, unsigned handle, unsigned table, const char* subclass,
                    int handleCode = 5) {
        o_.Tag(0, type);
        o_.Handle(handleCode, handle);
        o_.Handle(330, table);
        o_.Tag(100, "AcDbSymbolTableRecord");
        o_.Tag(100, subclass);
    }

    void Tables() {
        o_.Tag(0, "SECTION");
        o_.Tag(2, "TABLES");

        // Opens on the whole drawing.
        TableHead("VPORT", kVportTable, 1);
        RecordHead("VPORT", kVport, kVportTable, "AcDbViewportTableRecord");
        o_.Tag(2, "*Active");
        o_.Tag(70, 0);
        o_.Number(10, 0.0);
        o_.Number(20, 0.0);
        o_.Number(11, 1.0);
        o_.Number(21, 1.0);
        o_.Number(12, width_ / 2.0);
        o_.Number(22, height_ / 2.0);
        o_.Number(40, height_ * 1.1);
        o_.Number(41, std::max(1.0, width_ / height_));
        o_.Tag(0, "ENDTAB");

        TableHead("LTYPE", kLtypeTable, 3);
        const std::pair<unsigned, const char*> ltypes[] = {{kLtypeByBlock, "ByBlock"},
                                                           {kLtypeByLayer, "ByLayer"},
                                                           {kLtypeContinuous, "Continuous"}};
        for (const auto& [handle, name] : ltypes) {
            RecordHead("LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord");
            o_.Tag(2, name);
            o_.Tag(70, 0);
            o_.Tag(3, name == std::string_view("Continuous") ? "Solid line" : "");
            o_.Tag(72, 65);
            o_.Tag(73, 0);
            o_.Number(40, 0.0);
        }
        o_.Tag(0, "ENDTAB");

        TableHead("LAYER", kLayerTable, 1 + kDrawingLayerCount);
        auto layer = [&](unsigned handle, const char* name, int color, int weight) {
            RecordHead("LAYER", handle, kLayerTable, "AcDbLayerTableRecord");
            o_.Tag(2, name);
            o_.Tag(70, 0);
            o_.Tag(62, color);
            o_.Tag(6, "Continuous");
            o_.Tag(370, weight);
        };
        layer(kLayer0, "0", 7, -3);
        for (int i = 0; i < kDrawingLayerCount; ++i)
            layer(kLayerFirst + static_cast<unsigned>(i), kLayers[i].name, kLayers[i].color,
                  kLayers[i].lineWeight);
        o_.Tag(0, "ENDTAB");

        TableHead("STYLE", kStyleTable, 2);
        auto style = [&](unsigned handle, const char* name, const char* font) {
            RecordHead("STYLE", handle, kStyleTable, "AcDbTextStyleTableRecord");
            o_.Tag(2, name);
            o_.Tag(70, 0);
            o_.Number(40, 0.0);
            o_.Number(41, 1.0);
            o_.Number(50, 0.0);
            o_.Tag(71, 0);
            o_.Number(42, 2.5);
            o_.Tag(3, font);
            o_.Tag(4, "");
        };
        style(kStandardStyle, "Standard", "txt");
        style(kJapaneseStyle, kTextStyle, "msgothic.ttc");
        // The TrueType face: family, Shift-JIS character set, fixed pitch, modern family.
        o_.Tag(1001, "ACAD");
        o_.Tag(1000, "MS Gothic");
        o_.Tag(1071, (128 << 8) | 0x31);
        o_.Tag(0, "ENDTAB");

        TableHead("VIEW", kViewTable, 0);
        o_.Tag(0, "ENDTAB");
        TableHead("UCS", kUcsTable, 0);
        o_.Tag(0, "ENDTAB");

        TableHead("APPID", kAppidTable, 1);
        RecordHead("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord");
        o_.Tag(2, "ACAD");
        o_.Tag(70, 0);
        o_.Tag(0, "ENDTAB");

        TableHead("DIMSTYLE", kDimstyleTable, 1);
        o_.Tag(100, "AcDbDimStyleTable");
        RecordHead("DIMSTYLE", kStandardDimstyle, kDimstyleTable, "AcDbDimStyleTableRecord", 105);
        o_.Tag(2, "Standard");
        o_.Tag(70, 0);
        o_.Tag(0, "ENDTAB");

        TableHead("BLOCK_RECORD", kBlockRecordTable, 2);
        RecordHead("BLOCK_RECORD", kModelRecord, kBlockRecordTable, "AcDbBlockTableRecord");
        o_.Tag(2, "*Model_Space");
        o_.Handle(340, kModelLayout);
        RecordHead("BLOCK_RECORD", kPaperRecord, kBlockRecordTable, "AcDbBlockTableRecord");
        o_.Tag(2, "*Paper_Space");
        o_.Handle(340, kPaperLayout);
        o_.Tag(0, "ENDTAB");

        o_.Tag(0, "ENDSEC");
    }

    void Block(const char* name, unsigned record, unsigned begin, unsigned end) {
        o_.Tag(0, "BLOCK");
        o_.Handle(5, begin);
        o_.Handle(330, record);
        o_.Tag(100, "AcDbEntity");
        o_.Tag(8, "0");
        o_.Tag(100, "AcDbBlockBegin");
        o_.Tag(2, name);
        o_.Tag(70, 0);
        o_.Point(10, 0.0, 0.0);
        o_.Tag(3, name);
        o_.Tag(1, "");
        o_.Tag(0, "ENDBLK");
        o_.Handle(5, end);
        o_.Handle(330, record);
        o_.Tag(100, "AcDbEntity");
        o_.Tag(8, "0");
        o_.Tag(100, "AcDbBlockEnd");
    }

    void Blocks() {
        o_.Tag(0, "SECTION");
        o_.Tag(2, "BLOCKS");
        Block("*Model_Space", kModelRecord, kModelBlock, kModelBlockEnd);
        Block("*Paper_Space", kPaperRecord, kPaperBlock, kPaperBlockEnd);
        o_.Tag(0, "ENDSEC");
    }

    void Dictionary(unsigned handle, unsigned owner,
                    std::initializer_list<std::pair<const char*, unsigned>> entries) {
        o_.Tag(0, "DICTIONARY");
        o_.Handle(5, handle);
        o_.Handle(330, owner);
        o_.Tag(100, "AcDbDictionary");
        o_.Tag(281, 1);
        for (const auto& [name, entry] : entries) {
            o_.Tag(3, name);
            o_.Handle(350, entry);
        }
    }

    void Layout(unsigned handle, const char* name, int order, unsigned record) {
        o_.Tag(0, "LAYOUT");
        o_.Handle(5, handle);
        o_.Handle(330, kLayoutDictionary);
        o_.Tag(100, "AcDbPlotSettings");
        o_.Tag(1, "");
        o_.Tag(4, "ISO_A3_(420.00_x_297.00_MM)");
        o_.Tag(6, "");
        o_.Number(44, 420.0);
        o_.Number(45, 297.0);
        o_.Number(142, 1.0);
        o_.Number(143, static_cast<double>(std::max(1, d_.scale)));
        o_.Tag(70, 0);
        o_.Tag(72, 1);  // millimetres
        o_.Tag(73, 1);  // landscape
        o_.Tag(74, 5);
        o_.Tag(7, "");
        o_.Tag(75, 0);
        o_.Tag(76, 0);
        o_.Tag(77, 2);
        o_.Tag(78, 300);
        o_.Tag(100, "AcDbLayout");
        o_.Tag(1, name);
        o_.Tag(70, 1);
        o_.Tag(71, order);
        o_.Number(10, 0.0);
        o_.Number(20, 0.0);
        o_.Number(11, 420.0);
        o_.Number(21, 297.0);
        o_.Point(12, 0.0, 0.0);
        o_.Point(14, 0.0, 0.0);
        o_.Point(15, width_, height_);
        o_.Number(146, 0.0);
        o_.Point(13, 0.0, 0.0);
        o_.Point(16, 1.0, 0.0);
        o_.Point(17, 0.0, 1.0);
        o_.Tag(76, 1);
        o_.Handle(330, record);
    }

    void Objects() {
        o_.Tag(0, "SECTION");
        o_.Tag(2, "OBJECTS");
        Dictionary(kRootDictionary, 0,
                   {{"ACAD_GROUP", kGroupDictionary}, {"ACAD_LAYOUT", kLayoutDictionary}});
        Dictionary(kGroupDictionary, kRootDictionary, {});
        Dictionary(kLayoutDictionary, kRootDictionary,
                   {{"Model", kModelLayout}, {"Layout1", kPaperLayout}});
        Layout(kModelLayout, "Model", 0, kModelRecord);
        Layout(kPaperLayout, "Layout1", 1, kPaperRecord);
        o_.Tag(0, "ENDSEC");
    }

    const Drawing& d_;
    DxfOut o_;
    double pageStep_ = 0.0, width_ = 0.0, height_ = 0.0;
};

}  // namespace

const char* DxfLayerName(DrawingLayer layer) {
    for (const LayerStyle& style : kLayers)
        if (style.layer == layer) return style.name;
    return "0";
}

std::string DxfBytes(const Drawing& drawing) {
    return DxfComposer(drawing).Compose();
}

std::string WriteDxfFile(const std::string& path, const Drawing& drawing) {
    return WriteFileAtomically(path, DxfBytes(drawing));
}

}  // namespace zel
