#include "plot/drawing_dxf.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "plot/number_text.h"
#include "plot/outline_drawing.h"  // outlineRounded

namespace tavelor::plot {

namespace {

// dxflib's writing functions take its file writer; this one keeps the groups in memory instead,
// every group passing through the overrides below. The base's file stream is given no name, so
// it opens nothing and is never written.
class TextWriter final : public DL_WriterA {
 public:
  explicit TextWriter(std::string& text) : DL_WriterA("", DL_Codes::AC1015), text_(text) {}

  // Coordinates keep every digit, and no reader meets an exponent; a real always has its point.
  void dxfReal(int code, double value) const override {
    std::string number = exactNumber(value);
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

// Entities take their colour, line type and weight from their layer.
DL_Attributes onLayer(Role role) { return DL_Attributes(penOf(role).layer, 256, -1, "BYLAYER", 1); }

// DXF's y axis points up: the geometry's y aft becomes y forward, the leading edge on top.
double forward(double aft) { return -aft; }

// The drawing's corners in DXF's axes: the smallest x and y, then the largest.
struct Extents {
  double minX, minY, maxX, maxY;
};

Extents extentsOf(const Drawing& d) {
  const Bounds b = boundsOf(d);
  return {b.min.x, forward(b.max.y), b.max.x, forward(b.min.y)};
}

// The view a reader opens on: the drawing and `margin` around it, wide enough for the span in a
// window of 4:3 or wider.
void writeViewport(TextWriter& w, const Extents& e, double margin) {
  const double width = e.maxX - e.minX + 2 * margin;
  const double height = std::max(e.maxY - e.minY + 2 * margin, width * 3 / 4);
  w.dxfString(0, "TABLE");
  w.dxfString(2, "VPORT");
  w.dxfHex(5, 8);
  w.dxfString(100, "AcDbSymbolTable");
  w.dxfInt(70, 1);
  w.dxfString(0, "VPORT");
  w.handle();
  w.dxfString(100, "AcDbSymbolTableRecord");
  w.dxfString(100, "AcDbViewportTableRecord");
  w.dxfString(2, "*Active");
  w.dxfInt(70, 0);
  const double centreX = outlineRounded((e.minX + e.maxX) / 2);
  const double centreY = outlineRounded((e.minY + e.maxY) / 2);
  // clang-format off
  const std::pair<int, double> reals[] = {
      {10, 0}, {20, 0}, {11, 1}, {21, 1},              // the window's corners on screen
      {12, centreX}, {22, centreY},                    // the drawing's point at its centre
      {13, 0}, {23, 0}, {14, 10}, {24, 10},            // snap base and spacing
      {15, 10}, {25, 10},                              // grid spacing
      {16, 0}, {26, 0}, {36, 1}, {17, 0}, {27, 0}, {37, 0},  // looking down onto the plane
      {40, outlineRounded(height)}, {41, width / height},    // how much of the drawing shows
      {42, 50}, {43, 0}, {44, 0}, {50, 0}, {51, 0},          // lens, clipping, snap, twist
      {110, 0}, {120, 0}, {130, 0}, {111, 1}, {121, 0}, {131, 0},  // the world's coordinates
      {112, 0}, {122, 1}, {132, 0}};
  const std::pair<int, int> flags[] = {
      {71, 0}, {72, 100}, {73, 1}, {74, 3}, {75, 1}, {76, 1}, {77, 0}, {78, 0}, {281, 0}, {65, 1}};
  // clang-format on
  for (const auto& [code, value] : std::span(reals).first(25)) w.dxfReal(code, value);
  for (const auto& [code, value] : flags) w.dxfInt(code, value);
  for (const auto& [code, value] : std::span(reals).subspan(25)) w.dxfReal(code, value);
  w.dxfInt(79, 0);
  w.dxfReal(146, 0);
  w.tableEnd();
}

// The tables and blocks an AutoCAD 2000 reader expects before the entities.
void writeTables(DL_Dxf& dxf, TextWriter& w, const Extents& extents, std::span<const Role> layers,
                 double margin) {
  w.sectionTables();
  writeViewport(w, extents, margin);
  w.tableLinetypes(3);
  dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
  dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
  dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
  w.tableEnd();
  w.tableLayers(static_cast<int>(layers.size()) + 1);
  dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", 7, -3, "CONTINUOUS", 1));
  for (const Role role : layers) {
    dxf.writeLayer(w, DL_LayerData(penOf(role).layer, 0),
                   DL_Attributes("", penOf(role).dxfColour, -3, "CONTINUOUS", 1));
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

// Two points make a LINE, more a LWPOLYLINE, open or closed.
void writePolyline(DL_Dxf& dxf, TextWriter& w, const Polyline& line) {
  const auto& p = line.points;
  if (p.size() == 2 && !line.closed) {
    dxf.writeLine(w, DL_LineData(p[0].x, forward(p[0].y), 0, p[1].x, forward(p[1].y), 0),
                  onLayer(line.role));
    return;
  }
  dxf.writePolyline(w, DL_PolylineData(static_cast<int>(p.size()), 0, 0, line.closed ? 1 : 0),
                    onLayer(line.role));
  for (const wing::Point& point : p) dxf.writeVertex(w, DL_VertexData(point.x, forward(point.y)));
  dxf.writePolylineEnd(w);
}

// The drawing's lines in inches, each point rounded as the outline's millimetres are.
Drawing inInches(const Drawing& drawing) {
  Drawing inches{drawing.lines, {}};
  for (Polyline& line : inches.lines) {
    for (wing::Point& p : line.points)
      p = {outlineRounded(p.x / base::kMmPerInch), outlineRounded(p.y / base::kMmPerInch)};
  }
  return inches;
}

// A text at its anchor, its height the font's size in millimetres.
void writeText(DL_Dxf& dxf, TextWriter& w, const Text& text) {
  const int align = text.align == TextAlign::Left ? 0 : text.align == TextAlign::Centre ? 1 : 2;
  const int vertical = text.anchor == TextAnchor::Baseline ? 0 : 3;
  const double x = text.at.x, y = forward(text.at.y);
  dxf.writeText(w,
                DL_TextData(x, y, 0, x, y, 0, text.points * kMmPerPoint, 1, 0, align, vertical,
                            text.text, "Standard", 0),
                onLayer(Role::Label));
}

}  // namespace

std::string drawingDxf(const Drawing& metricDrawing, std::span<const Role> layers,
                       base::Units units) {
  const bool inches = units == base::Units::Imperial;
  const Drawing& drawing = inches ? inInches(metricDrawing) : metricDrawing;
  std::string text;
  TextWriter w(text);
  DL_Dxf dxf;

  const Extents extents = extentsOf(drawing);
  dxf.writeHeader(w);
  w.dxfString(9, "$INSUNITS");
  w.dxfInt(70, inches ? 1 : 4);
  w.dxfString(9, "$MEASUREMENT");
  w.dxfInt(70, inches ? 0 : 1);
  for (const auto& [name, x, y] : {std::tuple{"$EXTMIN", extents.minX, extents.minY},
                                   std::tuple{"$EXTMAX", extents.maxX, extents.maxY}}) {
    w.dxfString(9, name);
    w.dxfReal(10, x);
    w.dxfReal(20, y);
    w.dxfReal(30, 0);
  }
  w.sectionEnd();
  writeTables(dxf, w, extents, layers, inches ? 0.2 : 5);

  w.sectionEntities();
  for (const Polyline& line : drawing.lines) {
    if (std::ranges::find(layers, line.role) != layers.end()) writePolyline(dxf, w, line);
  }
  if (std::ranges::find(layers, Role::Label) != layers.end()) {
    for (const Text& text : drawing.texts) writeText(dxf, w, text);
  }
  w.sectionEnd();

  w.linkOwners();
  dxf.writeObjects(w);
  dxf.writeObjectsEnd(w);
  w.dxfEOF();
  return text;
}

}  // namespace tavelor::plot
