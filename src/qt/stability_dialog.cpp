#include "qt/stability_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "plot/stability_pictures.h"
#include "qt/drawing_painter.h"
#include "qt/drawing_view.h"
#include "qt/field_keys.h"
#include "qt/text.h"
#include "ui/stability_table.h"

namespace tavelor::qt {

namespace {

constexpr int kPanelFields = static_cast<int>(std::size(ui::kStabiliserRowKeys));
using enum ui::StabilityFigure;
using ui::StabilityField;

}  // namespace

StabilityDialog::StabilityDialog(ui::StabilityForm& form, QWidget* owner)
    : QDialog(owner), form_(form) {
  setObjectName(QStringLiteral("stability"));
  setModal(true);
  const auto text = [this](const char* key) { return toQ(form_.text(key)); };
  setWindowTitle(text("title"));
  // The long captions wrap, so the window fits narrow screens and long languages.
  const auto caption = [this, text](const char* key, bool wrap = false) {
    // A colon after a blank stays on its word's line.
    auto* label =
        new QLabel(text(key).replace(QStringLiteral(" :"), QStringLiteral("\u00a0:")), this);
    label->setWordWrap(wrap);
    return label;
  };
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(ui::kStabilityFieldNames[i]));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(80);
    edit->setText(toQ(form_.shownTexts()[i]));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& typed) {
      form_.edit(i, typed.toStdString());
      use_->setEnabled(form_.mayUseCentring());
      // Panel 2 starts where panel 1 ends.
      const auto root2 = static_cast<std::size_t>(ui::StabilityField::RootChord2);
      if (fields_[root2]->text() != toQ(form_.shownTexts()[root2])) {
        fields_[root2]->setText(toQ(form_.shownTexts()[root2]));
      }
    });
    fields_[i] = edit;
  }

  auto* stabiliser = new QGroupBox(text("stabiliser"), this);
  auto* panels = new QGridLayout(stabiliser);
  panels->addWidget(caption("panel1"), 0, 1, Qt::AlignCenter);
  panels->addWidget(caption("panel2"), 0, 2, Qt::AlignCenter);
  for (int row = 0; row < kPanelFields; ++row) {
    panels->addWidget(caption(ui::kStabiliserRowKeys[row]), row + 1, 0);
    panels->addWidget(fields_[row], row + 1, 1);
    panels->addWidget(fields_[kPanelFields + row], row + 1, 2);
  }

  auto* position = new QGroupBox(text("position"), this);
  auto* positionGrid = new QGridLayout(position);
  for (int row = 0; const auto& [key, which] : ui::kPositionRows) {
    positionGrid->addWidget(caption(key, which == StabilityField::Height), row, 0);
    positionGrid->addWidget(field(which), row++, 1);
  }
  // Tab follows the rows: the height comes after the arm.
  setTabOrder(field(StabilityField::TailArm), field(StabilityField::Height));

  auto* resultsBox = new QGroupBox(text("results"), this);
  auto* grid = new QGridLayout(resultsBox);
  for (std::size_t i = 0; i < values_.size(); ++i) {
    QLabel*& value = values_[i];
    value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(ui::kStabilityValueNames[i]));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(60);
  }
  int row = 0;
  for (const auto& [key, result] : ui::kSingleFigures) {
    grid->addWidget(caption(key, true), row, 0);
    grid->addWidget(values_[static_cast<int>(result)], row++, 2);
  }
  grid->addWidget(caption("percentColumn"), row, 1, Qt::AlignRight);
  grid->addWidget(caption("mmColumn"), row++, 2, Qt::AlignRight);
  for (const ui::MacFigureRow& figure : ui::kMacFigures) {
    QLabel* label = caption(figure.key, !figure.colour);
    if (figure.colour) {
      label->setStyleSheet(
          QStringLiteral("color: %1").arg(toQColor(plot::penOf(*figure.colour).colour).name()));
    }
    grid->addWidget(label, row, 0);
    grid->addWidget(values_[static_cast<int>(figure.percent)], row, 1);
    if (figure.mm) grid->addWidget(values_[static_cast<int>(*figure.mm)], row, 2);
    ++row;
  }
  unstable_ = caption("unstable");
  unstable_->setObjectName(QStringLiteral("unstable"));
  unstable_->setStyleSheet(QStringLiteral("color: red"));
  unstable_->setVisible(false);
  grid->addWidget(unstable_, row++, 0, 1, 3, Qt::AlignRight);
  flyingWing_ = caption("flyingWing", true);
  flyingWing_->setVisible(false);
  grid->addWidget(flyingWing_, row++, 0, 1, 3);
  grid->addWidget(caption("leftOut", true), row++, 0, 1, 3);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(0, 1);
  // The captions on one line where they are at most some fifty characters long.
  grid->setColumnMinimumWidth(
      0, std::min(widestLabel({grid}, 0), fontMetrics().averageCharWidth() * 48));

  calculate_ = new QPushButton(text("calculate"), this);
  use_ = new QPushButton(text("useCentring"), this);
  auto* close = new QPushButton(text("close"), this);
  calculate_->setObjectName(QStringLiteral("calculate"));
  use_->setObjectName(QStringLiteral("useCentring"));
  close->setObjectName(QStringLiteral("close"));
  // Enter calculates, whichever field or button has the focus.
  calculate_->setDefault(true);
  use_->setAutoDefault(false);
  close->setAutoDefault(false);
  use_->setEnabled(false);
  connect(calculate_, &QPushButton::clicked, this, &StabilityDialog::calculate);
  connect(use_, &QPushButton::clicked, this, &StabilityDialog::useCentring);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // Inputs, then results and buttons, then the plan over the lift; the canard remark runs under
  // all three.
  auto* inputs = new QVBoxLayout;
  inputs->addWidget(stabiliser);
  inputs->addWidget(position);
  inputs->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate_);
  buttons->addWidget(use_);
  buttons->addWidget(close);
  auto* middle = new QVBoxLayout;
  middle->addWidget(resultsBox, 1);
  middle->addLayout(buttons);
  plan_ = new DrawingView(QStringLiteral("stabilityPlan"), {340, 340}, this);
  spanLoad_ = new DrawingView(QStringLiteral("spanLoad"), {340, 170}, this);
  auto* pictures = new QVBoxLayout;
  pictures->addWidget(plan_, 2);
  pictures->addWidget(spanLoad_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs);
  top->addLayout(middle);
  top->addLayout(pictures, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(caption("canard", true));
  // No larger than the screen: the captions wrap and the pictures shrink to make it fit.
  resize(sizeHint().boundedTo(screen()->availableSize()));
  showPictures(0);
  fields_[0]->setFocus();
}

bool StabilityDialog::eventFilter(QObject* watched, QEvent* event) {
  const auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (isEnterKey(key) || key.key() == Qt::Key_Escape) return false;  // the window's keys
  const auto index =
      static_cast<std::size_t>(std::find(fields_.begin(), fields_.end(), edit) - fields_.begin());
  return refusesKey(key, [index](char32_t c) { return ui::StabilityForm::keyPasses(index, c); });
}

void StabilityDialog::calculate() {
  if (const auto warning = form_.calculate()) {
    QMessageBox::warning(this, toQ(form_.text("warnTitle")), toQ(*warning));
    return;
  }
  showResults();
  use_->setEnabled(form_.mayUseCentring());
}

void StabilityDialog::useCentring() {
  form_.useCentring();
  if (form_.results()) showResults();
}

void StabilityDialog::showResults() {
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i]->setText(toQ(form_.figures()[i]));
  const bool unstable = form_.unstable();
  values_[static_cast<int>(Margin)]->setStyleSheet(unstable ? QStringLiteral("color: red")
                                                            : QString());
  unstable_->setVisible(unstable);
  flyingWing_->setVisible(form_.flyingWing());
  showPictures(form_.resultTailArm());
}

void StabilityDialog::showPictures(double tailArm) {
  plan_->setPicture([wing = form_.wing(), results = form_.results(), tailArm](
                        const plot::Bounds& view, plot::TextMeasure&) {
    return plot::stabilityPlanPicture(wing, results, tailArm, view);
  });
  const plot::SpanLoadTexts texts{form_.text("liftTitle"), form_.text("loadCurve"),
                                  form_.text("ellipticLoad"), form_.text("localLift"),
                                  form_.text("stallsFirst")};
  std::vector<wing::SpanLoadPoint> load;
  if (form_.results()) load = form_.results()->wingSpanLoad;
  spanLoad_->setPicture([load, halfSpan = form_.wing().halfSpan, texts](
                            const plot::Bounds& view, plot::TextMeasure& measure) {
    return plot::spanLoadPicture(load, halfSpan, texts, view, measure);
  });
}

}  // namespace tavelor::qt
