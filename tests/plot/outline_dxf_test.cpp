// The outline DXF as cutting software sees it: written for the two-panel wing, read back with
// ezdxf (read_dxf.py) and compared with figures worked out from the wing's inputs.

#include "plot/outline_dxf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/language_folder.h"
#include "wing/geometry.h"

namespace tavelor::plot {
namespace {

struct Entity {
  std::string kind, layer;
  int colour = 0;
  int closed = 0;
  std::vector<double> xy;
};

struct DxfContents {
  std::map<std::string, std::string> facts;  // version, units, audit: the rest of their line
  std::map<std::string, int> layerColours;
  std::vector<Entity> entities;
};

// What ezdxf reads in the file, or a failure with the reader's own words.
DxfContents readBack(const std::string& path) {
  const std::string command = std::string("timeout 60 '") + TAVELOR_PYTHON3 + "' '" +
                              TAVELOR_DXF_READER + "' '" + path + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string report;
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    report.append(buffer, n);
  }
  const int status = pipe ? ::pclose(pipe) : -1;
  EXPECT_EQ(status, 0) << command << "\n" << report;

  DxfContents contents;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "layer") {
      std::string name;
      fields >> name >> contents.layerColours[name];
    } else if (kind == "LWPOLYLINE" || kind == "LINE") {
      Entity& e = contents.entities.emplace_back();
      e.kind = kind;
      fields >> e.layer >> e.colour;
      if (kind == "LWPOLYLINE") fields >> e.closed;
      for (double v; fields >> v;) e.xy.push_back(v);
    } else {
      std::getline(fields >> std::ws, contents.facts[kind]);
    }
  }
  return contents;
}

TEST(OutlineDxf, HoldsTheWingAtTrueScaleOnItsLayers) {
  const wing::WingInputs inputs{{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500};
  const wing::WingResults wing = wing::computeWing(inputs).results.value();
  testing::TempFolder folder;
  folder.write("wing.dxf", outlineDxf(wing::wingGeometry(wing)));
  const DxfContents dxf = readBack(folder.file("wing.dxf"));

  EXPECT_EQ(dxf.facts.at("version"), "AC1015");
  EXPECT_EQ(dxf.facts.at("units"), "4 1");  // millimetres, metric
  EXPECT_EQ(dxf.facts.at("audit"), "0 0");  // no error, nothing to repair
  for (const auto& [layer, colour] :
       std::map<std::string, int>{{"OUTLINE", 7}, {"MAC", 1}, {"CG", 5}}) {
    EXPECT_EQ(dxf.layerColours.at(layer), colour) << layer;
  }

  // y forward: each panel's leading edge sits its sweep below the root's, the trailing edge one
  // chord below that (every root chord here equals the tip chord before it).
  std::vector<Entity> expected;
  double x = 0, sweepBefore = 0;
  for (const wing::Panel& p : inputs.panels) {
    expected.push_back({"LWPOLYLINE",
                        "OUTLINE",
                        256,
                        1,
                        {x, -sweepBefore, x + p.length, -p.sweep, x + p.length,
                         -p.sweep - p.tipChord, x, -sweepBefore - p.rootChord}});
    x += p.length;
    sweepBefore = p.sweep;
  }
  const double station = wing.macStation, cg = -wing.centring;
  expected.push_back(
      {"LINE",
       "MAC",
       256,
       0,
       {station, -wing.macLeadingEdge, station, -wing.macLeadingEdge - wing.macLength}});
  expected.push_back({"LINE", "CG", 256, 0, {station - 5, cg, station + 5, cg}});
  expected.push_back({"LINE", "CG", 256, 0, {station, cg + 5, station, cg - 5}});

  ASSERT_EQ(dxf.entities.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Entity &got = dxf.entities[i], &want = expected[i];
    EXPECT_EQ(got.kind + " " + got.layer, want.kind + " " + want.layer) << "entity " << i;
    EXPECT_EQ(got.colour, want.colour) << "entity " << i << " takes its layer's colour";
    EXPECT_EQ(got.closed, want.closed) << "entity " << i;
    ASSERT_EQ(got.xy.size(), want.xy.size()) << "entity " << i;
    for (std::size_t k = 0; k < want.xy.size(); ++k) {
      EXPECT_NEAR(got.xy[k], want.xy[k], 1e-6) << "entity " << i << ", coordinate " << k;
    }
  }
}

}  // namespace
}  // namespace tavelor::plot
