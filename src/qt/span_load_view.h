#pragma once

#include <QFrame>
#include <QString>
#include <vector>

#include "qt/drawing_painter.h"
#include "wing/stability.h"

namespace tavelor::qt {

// The picture's texts, from the stability window's language.
struct SpanLoadTexts {
  QString title;
  QString load;
  QString elliptic;
  QString localLift;
  QString stallsFirst;
};

// The spanwise lift of the half-wing, root on the left and tip on the right: the wing's load
// c·cl / (c_mean·CL) as a line, the elliptic load of the same area dashed, and the local cl / CL
// with its highest point marked, where a tapered wing stalls first.
class SpanLoadView : public QFrame {
 public:
  static inline const QColor kLoadColour = toQColor(plot::penOf(plot::Role::SpanLoad).colour);
  static inline const QColor kLocalLiftColour = toQColor(plot::penOf(plot::Role::LocalLift).colour);

  SpanLoadView(SpanLoadTexts texts, QWidget* parent);
  void showLoad(const std::vector<wing::SpanLoadPoint>& points, double halfSpan);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SpanLoadTexts texts_;
  std::vector<wing::SpanLoadPoint> points_;
  double halfSpan_ = 0;
};

}  // namespace tavelor::qt
