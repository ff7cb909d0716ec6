#include "wing/geometry.h"

#include <algorithm>
#include <cstddef>

namespace tavelor::wing {

WingGeometry wingGeometry(const WingResults& results) {
  WingGeometry g;
  const auto& panels = results.panels;
  // Chained root to tip along the trailing edge, as the outline has always been drawn.
  double rootX = 0;
  double rootTrailingY = panels.empty() ? 0 : panels[0].rootChord;
  double previousSweep = 0;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const Panel& p = panels[i];
    if (i >= 1) {
      const Panel& before = panels[i - 1];
      rootX += before.length;
      rootTrailingY += before.tipChord - before.rootChord + before.sweep - previousSweep;
      previousSweep = before.sweep;
    }
    PanelOutline o;
    o.rootTrailingEdge = {rootX, rootTrailingY};
    o.rootLeadingEdge = {rootX, rootTrailingY - p.rootChord};
    o.tipLeadingEdge = {rootX + p.length, o.rootLeadingEdge.y + (p.sweep - previousSweep)};
    o.tipTrailingEdge = {o.tipLeadingEdge.x, o.tipLeadingEdge.y + p.tipChord};
    g.panels.push_back(o);
  }
  g.macLeadingEdge = {results.macStation, results.macLeadingEdge};
  g.macTrailingEdge = {results.macStation, results.macLeadingEdge + results.macLength};
  g.centring = {results.macStation, results.centring};
  g.rootLeadingEdge = {0, 0};
  g.rootTrailingEdge = {0, panels.empty() ? 0 : panels[0].rootChord};
  g.minY = 0;
  g.maxY = 0;
  for (const PanelOutline& o : g.panels) {
    for (const Point& q :
         {o.rootLeadingEdge, o.tipLeadingEdge, o.tipTrailingEdge, o.rootTrailingEdge}) {
      g.minY = std::min(g.minY, q.y);
      g.maxY = std::max(g.maxY, q.y);
    }
  }
  return g;
}

}  // namespace tavelor::wing
