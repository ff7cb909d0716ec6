#include "qt/stability_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "qt/field_keys.h"
#include "ui/stability_inputs.h"
#include "wing/geometry.h"

namespace tavelor::qt {

namespace {

constexpr int kPanelFields = 4;  // root chord, tip chord, length, sweep
const QColor kNeutralPointColour(0, 150, 0);
const QColor kCentringColour(0, 0, 220);

bool isSweep(int field) {
  return field == static_cast<int>(StabilityField::Sweep1) ||
         field == static_cast<int>(StabilityField::Sweep2);
}

}  // namespace

// The half-wing and the half-stabiliser in plan, to one scale: root on the left, the leading
// edges up, the stabiliser at the tail arm; the NP and the CG for the margin on the centre line.
class StabilityPlan : public QFrame {
 public:
  explicit StabilityPlan(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("stabilityPlan"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(340, 340);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

  void showModel(const wing::WingResults& wing,
                 const std::optional<wing::StabilityResults>& results, double tailArm) {
    wing_ = wing::wingGeometry(wing);
    halfSpan_ = wing.halfSpan;
    results_ = results;
    tail_.reset();
    if (results && !results->flyingWing) {
      tail_ = wing::wingGeometry(results->stabiliser);
      tailHalfSpan_ = results->stabiliser.halfSpan;
      tailArm_ = tailArm;
    }
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QRect inside = contentsRect();
    {
      QPainter painter(this);
      painter.fillRect(inside, Qt::white);
      painter.setClipRect(inside);
      painter.setRenderHint(QPainter::Antialiasing);
      draw(painter, QRectF(inside).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }
    QFrame::paintEvent(event);
  }

 private:
  static constexpr double kMargin = 12;

  void draw(QPainter& painter, const QRectF& area) const {
    double right = halfSpan_;
    double top = wing_.minY;
    double bottom = wing_.maxY;
    if (tail_) {
      right = std::max(right, tailHalfSpan_);
      top = std::min(top, tailArm_ + tail_->minY);
      bottom = std::max(bottom, tailArm_ + tail_->maxY);
    }
    if (!(right > 0 && bottom > top)) return;
    const double scale = std::min(area.width() / right, area.height() / (bottom - top));
    const auto at = [&](const wing::Point& p, double shift = 0) {
      return QPointF(area.left() + p.x * scale, area.top() + (p.y + shift - top) * scale);
    };

    QPen centreLine(Qt::gray, 1, Qt::DashDotLine);
    painter.setPen(centreLine);
    painter.drawLine(QPointF(area.left(), area.top()),
                     QPointF(area.left(), area.top() + (bottom - top) * scale));

    painter.setPen(QPen(Qt::black, 1.2));
    const auto outline = [&](const wing::WingGeometry& g, double shift) {
      for (const wing::PanelOutline& p : g.panels) {
        painter.drawPolygon(
            QPolygonF({at(p.rootLeadingEdge, shift), at(p.tipLeadingEdge, shift),
                       at(p.tipTrailingEdge, shift), at(p.rootTrailingEdge, shift)}));
      }
    };
    outline(wing_, 0);
    if (tail_) outline(*tail_, tailArm_);

    if (!results_) return;
    const auto mark = [&](double y, const QColor& colour) {
      const QPointF p = at({0, y});
      painter.setPen(QPen(colour, 2));
      painter.drawLine(p - QPointF(kMargin - 2, 0), p + QPointF(3 * kMargin, 0));
      painter.setBrush(colour);
      painter.drawEllipse(p, 4, 4);
      painter.setBrush(Qt::NoBrush);
    };
    mark(results_->neutralPoint, kNeutralPointColour);
    mark(results_->centring, kCentringColour);
  }

  wing::WingGeometry wing_;
  double halfSpan_ = 0;
  std::optional<wing::StabilityResults> results_;
  std::optional<wing::WingGeometry> tail_;
  double tailHalfSpan_ = 0;
  double tailArm_ = 0;
};

StabilityDialog::StabilityDialog(const wing::WingResults& wing, TextLookup text,
                                 QString decimalMark, UseCentring useCentring, QWidget* owner)
    : QDialog(owner),
      wing_(wing),
      text_(std::move(text)),
      decimalMark_(std::move(decimalMark)),
      useCentring_(std::move(useCentring)) {
  setObjectName(QStringLiteral("stability"));
  setModal(true);
  setWindowTitle(text_(QStringLiteral("title")));
  const auto caption = [this](const char* key) {
    return new QLabel(text_(QString::fromLatin1(key)), this);
  };
  static const char* const kFieldNames[kStabilityFieldCount] = {
      "rootChord1", "tipChord1", "length1", "sweep1",         "rootChord2",  "tipChord2",
      "length2",    "sweep2",    "tailArm", "tailEfficiency", "staticMargin"};
  for (int i = 0; i < kStabilityFieldCount; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(kFieldNames[i]));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(80);
    edit->installEventFilter(this);
    // Results no longer match edited inputs: they can be used again after the next calculation.
    connect(edit, &QLineEdit::textEdited, this, [this] { use_->setEnabled(false); });
    fields_[i] = edit;
  }
  // Panel 2 starts where panel 1 ends.
  connect(field(StabilityField::TipChord1), &QLineEdit::textEdited, this,
          [this](const QString& typed) { field(StabilityField::RootChord2)->setText(typed); });
  field(StabilityField::TailEfficiency)->setText(QStringLiteral("0") + decimalMark_ + "9");
  field(StabilityField::StaticMargin)->setText(QStringLiteral("10"));

  auto* stabiliser = new QGroupBox(text_(QStringLiteral("stabiliser")), this);
  auto* panels = new QGridLayout(stabiliser);
  panels->addWidget(caption("panel1"), 0, 1, Qt::AlignCenter);
  panels->addWidget(caption("panel2"), 0, 2, Qt::AlignCenter);
  const char* const rowKeys[kPanelFields] = {"rootChord", "tipChord", "length", "sweep"};
  for (int row = 0; row < kPanelFields; ++row) {
    panels->addWidget(caption(rowKeys[row]), row + 1, 0);
    panels->addWidget(fields_[row], row + 1, 1);
    panels->addWidget(fields_[kPanelFields + row], row + 1, 2);
  }

  auto* position = new QGroupBox(text_(QStringLiteral("position")), this);
  auto* positionGrid = new QGridLayout(position);
  const char* const positionKeys[] = {"tailArm", "efficiency", "margin"};
  for (int row = 0; row < 3; ++row) {
    positionGrid->addWidget(caption(positionKeys[row]), row, 0);
    positionGrid->addWidget(fields_[2 * kPanelFields + row], row, 1);
  }

  auto* resultsBox = new QGroupBox(text_(QStringLiteral("results")), this);
  auto* grid = new QGridLayout(resultsBox);
  static const char* const kValueNames[] = {"areaValue",      "aspectRatioValue", "volumeValue",
                                            "armAcValue",     "npPercentValue",   "npMmValue",
                                            "cgPercentValue", "cgMmValue",        "marginValue"};
  for (int i = 0; i < Margin + 1; ++i) {
    QLabel*& value = values_[i];
    value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(kValueNames[i]));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(60);
  }
  const std::pair<const char*, int> singles[] = {
      {"area", Area}, {"aspectRatio", AspectRatio}, {"volume", Volume}, {"armAc", ArmAc}};
  int row = 0;
  for (const auto& [key, result] : singles) {
    grid->addWidget(caption(key), row, 0);
    grid->addWidget(values_[result], row++, 2);
  }
  grid->addWidget(caption("percentColumn"), row, 1, Qt::AlignRight);
  grid->addWidget(caption("mmColumn"), row++, 2, Qt::AlignRight);
  QLabel* np = caption("neutralPoint");
  QLabel* cg = caption("centring");
  np->setStyleSheet(QStringLiteral("color: %1").arg(kNeutralPointColour.name()));
  cg->setStyleSheet(QStringLiteral("color: %1").arg(kCentringColour.name()));
  grid->addWidget(np, row, 0);
  grid->addWidget(values_[NpPercent], row, 1);
  grid->addWidget(values_[NpMm], row++, 2);
  grid->addWidget(cg, row, 0);
  grid->addWidget(values_[CgPercent], row, 1);
  grid->addWidget(values_[CgMm], row++, 2);
  grid->addWidget(caption("currentMargin"), row, 0);
  grid->addWidget(values_[Margin], row++, 1);
  flyingWing_ = caption("flyingWing");
  flyingWing_->setWordWrap(true);
  flyingWing_->setVisible(false);
  grid->addWidget(flyingWing_, row++, 0, 1, 3);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(0, 1);

  calculate_ = new QPushButton(text_(QStringLiteral("calculate")), this);
  use_ = new QPushButton(text_(QStringLiteral("useCentring")), this);
  auto* close = new QPushButton(text_(QStringLiteral("close")), this);
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

  // Inputs, then results and buttons, then the plan; the canard remark runs under all three.
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
  plan_ = new StabilityPlan(this);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs);
  top->addLayout(middle);
  top->addWidget(plan_, 1);
  QLabel* canard = caption("canard");
  canard->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(canard);
  plan_->showModel(wing_, results_, 0);
  fields_[0]->setFocus();
}

void StabilityDialog::setInputTexts(const QStringList& texts) {
  const int n = std::min<int>(texts.size(), kStabilityFieldCount);
  for (int i = 0; i < n; ++i) fields_[i]->setText(texts[i]);
}

QStringList StabilityDialog::inputTexts() const {
  QStringList texts;
  for (const QLineEdit* edit : fields_) texts << edit->text();
  return texts;
}

bool StabilityDialog::eventFilter(QObject* watched, QEvent* event) {
  const auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (isEnterKey(key) || key.key() == Qt::Key_Escape) return false;  // the window's keys
  const std::optional<char32_t> typed = typedCharacter(key);
  if (!typed) return false;  // moving keys
  const char32_t c = *typed;
  const int index =
      static_cast<int>(std::find(fields_.begin(), fields_.end(), edit) - fields_.begin());
  const bool accepted = (c >= U'0' && c <= U'9') || c == U'.' || c == U',' || c == U'\b' ||
                        (c == U'-' && isSweep(index));
  return !accepted;
}

std::optional<wing::StabilityInputs> StabilityDialog::readInputs() {
  files::TailTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fields_[i]->text().toStdString();
  const ui::StabilityReading reading = ui::readStabilityInputs(texts, decimalMark_.toStdString());
  if (!reading.inputs) warn(reading.faultKey);
  return reading.inputs;
}

void StabilityDialog::calculate() {
  const std::optional<wing::StabilityInputs> in = readInputs();
  if (!in) return;
  const wing::StabilityOutcome outcome = wing::computeStability(*in, wing_);
  if (!outcome.results) return warn(ui::stabilityFaultKey(outcome.fault));
  results_ = outcome.results;
  resultTailArm_ = in->tailArm;
  showResults();
  // The main window takes a centring above 0 and below 100 %; a margin beyond the NP's lead
  // gives none.
  const double cg = std::round(results_->centringPercent * 100) / 100;
  use_->setEnabled(cg > 0 && cg < 100);
}

void StabilityDialog::useCentring() {
  if (!results_ || !useCentring_) return;
  const QString percent = values_[CgPercent]->text();
  useCentring_(percent);
  // The wing is now centred there (as rounded in the text): its margin is the wanted one.
  if (const auto centring =
          ui::readStrictNumber(percent.toStdString(), decimalMark_.toStdString())) {
    wing_.centringPercent = *centring;
    results_->currentMarginPercent = results_->neutralPointPercent - *centring;
    showResults();
  }
}

void StabilityDialog::warn(const char* key) {
  QMessageBox::warning(this, text_(QStringLiteral("warnTitle")), text_(QString::fromLatin1(key)));
}

QString StabilityDialog::format(double value) const {
  // Rounded first, so a value just below zero shows as 0.00, not -0.00.
  const double rounded = std::round(value * 100) / 100 + 0.0;
  QString text = QString::number(rounded, 'f', 2);
  text.replace(QLatin1Char('.'), decimalMark_);
  return text;
}

void StabilityDialog::showResults() {
  const wing::StabilityResults& r = *results_;
  const bool tail = !r.flyingWing;
  values_[Area]->setText(tail ? format(r.stabiliser.areaDm2) : QString());
  values_[AspectRatio]->setText(tail ? format(r.stabiliser.aspectRatio) : QString());
  values_[Volume]->setText(tail ? format(r.tailVolume) : QString());
  values_[ArmAc]->setText(tail ? format(r.tailArmAc) : QString());
  values_[NpPercent]->setText(format(r.neutralPointPercent));
  values_[NpMm]->setText(format(r.neutralPoint));
  values_[CgPercent]->setText(format(r.centringPercent));
  values_[CgMm]->setText(format(r.centring));
  values_[Margin]->setText(format(r.currentMarginPercent));
  flyingWing_->setVisible(r.flyingWing);
  plan_->showModel(wing_, results_, resultTailArm_);
}

}  // namespace tavelor::qt
