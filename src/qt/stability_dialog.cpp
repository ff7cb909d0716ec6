#include "qt/stability_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "qt/field_keys.h"
#include "qt/span_load_view.h"
#include "qt/stability_plan.h"
#include "ui/stability_inputs.h"

namespace tavelor::qt {

namespace {

constexpr int kPanelFields = 4;  // root chord, tip chord, length, sweep
// The sweeps and the height take a sign.
bool isSigned(int field) {
  return field == static_cast<int>(StabilityField::Sweep1) ||
         field == static_cast<int>(StabilityField::Sweep2) ||
         field == static_cast<int>(StabilityField::Height);
}

}  // namespace

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
      "rootChord1", "tipChord1", "length1", "sweep1",         "rootChord2",   "tipChord2",
      "length2",    "sweep2",    "tailArm", "tailEfficiency", "staticMargin", "height"};
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
  const std::pair<const char*, StabilityField> positionRows[] = {
      {"tailArm", StabilityField::TailArm},
      {"height", StabilityField::Height},
      {"efficiency", StabilityField::TailEfficiency},
      {"margin", StabilityField::StaticMargin}};
  for (int row = 0; const auto& [key, which] : positionRows) {
    QLabel* label = caption(key);
    // The height's caption is long: two lines, not a wider window.
    label->setWordWrap(which == StabilityField::Height);
    positionGrid->addWidget(label, row, 0);
    positionGrid->addWidget(field(which), row++, 1);
  }
  // Tab follows the rows: the height comes after the arm.
  setTabOrder(field(StabilityField::TailArm), field(StabilityField::Height));

  auto* resultsBox = new QGroupBox(text_(QStringLiteral("results")), this);
  auto* grid = new QGridLayout(resultsBox);
  static const char* const kValueNames[] = {"areaValue",  "aspectRatioValue", "volumeValue",
                                            "armAcValue", "liftSlopeValue",   "npPercentValue",
                                            "npMmValue",  "wingCentreValue",  "cgPercentValue",
                                            "cgMmValue",  "marginValue"};
  for (int i = 0; i < Margin + 1; ++i) {
    QLabel*& value = values_[i];
    value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(kValueNames[i]));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(60);
  }
  const std::pair<const char*, int> singles[] = {{"area", Area},
                                                 {"aspectRatio", AspectRatio},
                                                 {"volume", Volume},
                                                 {"armAc", ArmAc},
                                                 {"liftSlope", LiftSlope}};
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
  grid->addWidget(caption("wingCentre"), row, 0);
  grid->addWidget(values_[WingCentre], row++, 1);
  grid->addWidget(cg, row, 0);
  grid->addWidget(values_[CgPercent], row, 1);
  grid->addWidget(values_[CgMm], row++, 2);
  grid->addWidget(caption("currentMargin"), row, 0);
  grid->addWidget(values_[Margin], row++, 1);
  unstable_ = caption("unstable");
  unstable_->setObjectName(QStringLiteral("unstable"));
  unstable_->setStyleSheet(QStringLiteral("color: red"));
  unstable_->setVisible(false);
  grid->addWidget(unstable_, row++, 0, 1, 3, Qt::AlignRight);
  flyingWing_ = caption("flyingWing");
  flyingWing_->setWordWrap(true);
  flyingWing_->setVisible(false);
  grid->addWidget(flyingWing_, row++, 0, 1, 3);
  QLabel* leftOut = caption("leftOut");
  leftOut->setWordWrap(true);
  grid->addWidget(leftOut, row++, 0, 1, 3);
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
  plan_ = new StabilityPlan(this);
  spanLoad_ =
      new SpanLoadView({text_(QStringLiteral("liftTitle")), text_(QStringLiteral("loadCurve")),
                        text_(QStringLiteral("ellipticLoad")), text_(QStringLiteral("localLift")),
                        text_(QStringLiteral("stallsFirst"))},
                       this);
  auto* pictures = new QVBoxLayout;
  pictures->addWidget(plan_, 2);
  pictures->addWidget(spanLoad_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs);
  top->addLayout(middle);
  top->addLayout(pictures, 1);
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
                        (c == U'-' && isSigned(index));
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
  values_[LiftSlope]->setText(format(r.liftSlope));
  values_[NpPercent]->setText(format(r.neutralPointPercent));
  values_[WingCentre]->setText(format(r.wingAerodynamicCentrePercent));
  values_[NpMm]->setText(format(r.neutralPoint));
  values_[CgPercent]->setText(format(r.centringPercent));
  values_[CgMm]->setText(format(r.centring));
  values_[Margin]->setText(format(r.currentMarginPercent));
  // The main window's CG at or behind the NP, as shown rounded.
  const bool unstable = std::round(r.currentMarginPercent * 100) <= 0;
  values_[Margin]->setStyleSheet(unstable ? QStringLiteral("color: red") : QString());
  unstable_->setVisible(unstable);
  flyingWing_->setVisible(r.flyingWing);
  plan_->showModel(wing_, results_, resultTailArm_);
  spanLoad_->showLoad(r.wingSpanLoad, wing_.halfSpan);
}

}  // namespace tavelor::qt
