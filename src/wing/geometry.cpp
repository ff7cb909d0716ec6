#include "wing/geometry.h"

#include <algorithm>
#include <cstddef>

namespace tavelor::wing {

WingGeometry wingGeometry(const WingResults& results) {
  WingGeometry g;
  const auto& panels = results.panels;
  // The calculation's rule: each panel's root leading edge at the sweep before it, its tip
  // leading edge at its own sweep, both chords aft of them.
  double rootX = 0;
  double previousSweep = 0;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const Panel& p = panels[i];
    if (i >= 1) {
      rootX += panels[i - 1].length;
      previousSweep = panels[i - 1].sweep;
    }
    PanelOutline o;
    o.rootLeadingEdge = {rootX, previousSweep};
    o.rootTrailingEdge = {rootX, previousSweep + p.rootChord};
    o.tipLeadingEdge = {rootX + p.length, p.sweep};
    o.tipTrailingEdge = {o.tipLeadingEdge.x, p.sweep + p.tipChord};
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
