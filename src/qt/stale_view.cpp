// Stale figures: after an input changed, the result figures and the plan are greyed and the
// results frame's caption says how to update them.
#include <QGraphicsColorizeEffect>
#include <QGroupBox>

#include "qt/drawing_view.h"
#include "qt/main_window.h"

namespace tavelor::qt {

void MainWindow::showStale(const std::string& note) {
  const bool stale = !note.empty();
  for (const auto& [id, label] : results_) label->setEnabled(!stale);
  if (stale) {
    // Every colour becomes a light grey: no red or blue mark stays in a stale plan.
    auto* grey = new QGraphicsColorizeEffect(plan_);
    grey->setColor(QColor(160, 160, 160));
    grey->setStrength(1);
    plan_->setGraphicsEffect(grey);
  } else {
    plan_->setGraphicsEffect(nullptr);
  }
  auto* frame = findChild<QGroupBox*>(QStringLiteral("resultsFrame"));
  if (!frame) return;
  // The caption may have been translated since the note was added: only a note still there goes.
  QString caption = frame->title();
  const QString added = frame->property("staleNote").toString();
  if (!added.isEmpty() && caption.endsWith(added)) caption.chop(added.size());
  const QString suffix = stale ? QStringLiteral(" - ") + QString::fromStdString(note) : QString();
  frame->setProperty("staleNote", suffix);
  frame->setTitle(caption + suffix);
}

}  // namespace tavelor::qt
