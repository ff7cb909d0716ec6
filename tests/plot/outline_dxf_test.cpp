// The outline DXF as cutting software sees it: read back with ezdxf (read_dxf.py).

#include "plot/outline_dxf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/language_folder.h"
#include "support/outline_wing.h"
#include "wing/geometry.h"

namespace tavelor::plot {
namespace {

TEST(OutlineDxf, HoldsTheWingAtTrueScaleOnItsLayers) {
  const wing::WingResults wing = wing::computeWing(testing::kTwoPanelWing).results.value();
  testing::TempFolder folder;
  folder.write("wing.dxf", outlineDxf(wing::wingGeometry(wing)));
  const std::string command = std::string("timeout 60 '") + TAVELOR_PYTHON3 + "' '" +
                              TAVELOR_DXF_READER + "' '" + folder.file("wing.dxf") + "' >'" +
                              folder.file("read.txt") + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << folder.read("read.txt");

  // AutoCAD 2000, millimetres, metric, audit clean, colours by layer: white, red, blue. Then y
  // forward, as DXF's y axis points up: the leading edge stays on top.
  std::string expected = "AC1015 4 1 0 0 True 7 1 5\n";
  const char* layers[] = {"OUTLINE 1", "OUTLINE 1", "MAC 0", "CG 0", "CG 0"};
  const auto lines = testing::expectedOutline(wing, -1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    expected += layers[i];
    for (const double v : lines[i]) expected += testing::fixed(v, 6);
    expected += '\n';
  }
  EXPECT_EQ(folder.read("read.txt"), expected);
}

}  // namespace
}  // namespace tavelor::plot
