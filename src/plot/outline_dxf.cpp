#include "plot/outline_dxf.h"

#include <dxflib/dl_dxf.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string_view>

#include "plot/outline_drawing.h"

namespace tavelor::plot {

namespace {

// dxflib's writing functions take its file writer; this one keeps the groups in memory instead,
// every group passing through the overrides below. The base's file stream is given no name, so
// it opens nothing and is never written.
class TextWriter final : public DL_WriterA {
 public:
  explicit TextWriter(std::string& text) : DL_WriterA("", DL_Codes::AC1015), text_(text) {}

  // Fixed notation in the shortest text that reads back to the same double, whatever the
  // locale: coordinates keep every digit, and no reader meets an exponent.
  void dxfReal(int code, double value) const override {
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,  // no -0
                                      std::chars_format::fixed);
    std::string number(buffer, result.ptr);
    if (number.find('.') == std::string::npos) number += ".0";
    group(code, number);
  }

  void dxfInt(int code, int value) const override { group(code, std::to_string(value)); }

  void dxfHex(int code, int value) const override {
    group(code, hex(value));
    if (!linkingOwners_) return;
    if (code == 5) {  // an object starts: name its owner, the dictionary that listed it
      currentObject_ = value;
      const auto owner = owners_.find(value);
      group(330, hex(owner == owners_.end() ? 0 : owner->second));
    } else if (code == 350) {
      owners_[value] = currentObject_;
    }
  }

  // dxflib writes the standard objects without their owners (group 330): readers repair that
  // on loading, but the file should be sound as written. Every object is listed in its
  // dictionary before it is written itself, so the owners can be given as the objects come.
  void linkOwners() { linkingOwners_ = true; }

  void dxfString(int code, const char* value) const override { group(code, value); }
  void dxfString(int code, const std::string& value) const override { group(code, value); }

 private:
  // A group: its code right-aligned in three columns, then its value, each on a CRLF line.
  void group(int code, std::string_view value) const {
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "%3d\r\n", code);
    text_ += codeText;
    text_ += value;
    text_ += "\r\n";
  }

  static std::string hex(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
    return buffer;
  }

  std::string& text_;
  bool linkingOwners_ = false;
  mutable int currentObject_ = 0;
  mutable std::map<int, int> owners_;
};

struct Layer {
  const char* name;
  int colour;  // AutoCAD colour index
};

constexpr Layer kLayer0{"0", 7};
constexpr Layer kOutlineLayer{"OUTLINE", 7};
constexpr Layer kMeanChordLayer{"MAC", 1};
constexpr Layer kCentringLayer{"CG", 5};

// Entities take their colour, line type and weight from their layer.
DL_Attributes onLayer(const Layer& layer) {
  return DL_Attributes(layer.name, 256, -1, "BYLAYER", 1);
}

// DXF's y axis points up: the geometry's y aft becomes y forward, the leading edge on top.
double forward(double aft) { return -aft; }

// The tables and blocks an AutoCAD 2000 reader expects before the entities.
void writeTables(DL_Dxf& dxf, TextWriter& w) {
  w.sectionTables();
  dxf.writeVPort(w);
  w.tableLinetypes(3);
  dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
  dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
  dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
  w.tableEnd();
  w.tableLayers(4);
  for (const Layer& layer : {kLayer0, kOutlineLayer, kMeanChordLayer, kCentringLayer}) {
    dxf.writeLayer(w, DL_LayerData(layer.name, 0),
                   DL_Attributes("", layer.colour, -3, "CONTINUOUS", 1));
  }
  w.tableEnd();
  w.tableStyle(1);
  dxf.writeStyle(w, DL_StyleData("Standard", 0, 0, 1, 0, 0, 2.5, "txt", ""));
  w.tableEnd();
  dxf.writeView(w);
  dxf.writeUcs(w);
  w.tableAppid(1);
  dxf.writeAppid(w, "ACAD");
  w.tableEnd();
  dxf.writeDimStyle(w, 2.5, 0.625, 0.625, 0.625, 2.5);
  dxf.writeBlockRecord(w);
  w.tableEnd();
  w.sectionEnd();

  w.sectionBlocks();
  for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(w, DL_BlockData(block, 0, 0, 0, 0));
    dxf.writeEndBlock(w, block);
  }
  w.sectionEnd();
}

void writeLine(DL_Dxf& dxf, TextWriter& w, const Layer& layer, const OutlineLine& line) {
  dxf.writeLine(w,
                DL_LineData(line.from.x, forward(line.from.y), 0, line.to.x, forward(line.to.y), 0),
                onLayer(layer));
}

}  // namespace

std::string outlineDxf(const wing::WingGeometry& geometry) {
  const OutlineDrawing drawing = outlineDrawing(geometry);
  std::string text;
  TextWriter w(text);
  DL_Dxf dxf;

  dxf.writeHeader(w);
  w.dxfString(9, "$INSUNITS");
  w.dxfInt(70, 4);  // millimetres
  w.dxfString(9, "$MEASUREMENT");
  w.dxfInt(70, 1);  // metric
  w.sectionEnd();
  writeTables(dxf, w);

  w.sectionEntities();
  for (const auto& corners : drawing.panels) {
    dxf.writePolyline(w, DL_PolylineData(static_cast<int>(corners.size()), 0, 0, 1 /* closed */),
                      onLayer(kOutlineLayer));
    for (const wing::Point& p : corners) dxf.writeVertex(w, DL_VertexData(p.x, forward(p.y)));
    dxf.writePolylineEnd(w);
  }
  writeLine(dxf, w, kMeanChordLayer, drawing.meanChord);
  for (const OutlineLine& line : drawing.centringCross) writeLine(dxf, w, kCentringLayer, line);
  w.sectionEnd();

  w.linkOwners();
  dxf.writeObjects(w);
  dxf.writeObjectsEnd(w);
  w.dxfEOF();
  return text;
}

}  // namespace tavelor::plot
