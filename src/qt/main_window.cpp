#include "qt/main_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

#include "qt/glyphs.h"
#include "qt/picture_button.h"
#include "qt/plan_widget.h"
#include "qt/printer_page.h"
#include "qt/twips.h"

namespace tavelor::qt {

using ui::Field;
using ui::ResultLabel;

namespace {

// The window's client area and every box in it are given in twips.
constexpr int kClientWidth = 8310;
constexpr int kClientHeight = 7470;

enum class Box { Inputs, Mass, Results };
enum class Look { Caption, Value, Plain };

// One label: its box, name (for translation), place and width in twips (all are 255 high), its
// look, a fixed text where no language gives one, and the result it shows, if any.
struct LabelRow {
  Box box;
  const char* name;
  int left, top, width;
  Look look;
  const char* fixedText = nullptr;
  std::optional<ResultLabel> result = std::nullopt;
};

const LabelRow kLabels[] = {
    {Box::Inputs, "rootChordCaption", 360, 600, 1455, Look::Caption},
    {Box::Inputs, "tipChordCaption", 360, 960, 1455, Look::Caption},
    {Box::Inputs, "lengthCaption", 120, 1320, 1695, Look::Caption},
    {Box::Inputs, "sweepCaption", 360, 1680, 1455, Look::Caption},
    {Box::Inputs, "centringCaption", 120, 2160, 1695, Look::Caption},
    {Box::Inputs, "percentSign", 2640, 2180, 255, Look::Value, "%"},
    {Box::Mass, "massCaption", 120, 240, 1695, Look::Caption},
    {Box::Mass, "gramSign", 2760, 240, 495, Look::Plain, "g"},
    {Box::Mass, "wingLoadingCaption", 3600, 240, 2055, Look::Caption},
    {Box::Mass, "wingLoadingValue", 5880, 240, 1335, Look::Value, nullptr,
     ResultLabel::WingLoading},
    {Box::Results, "spanCaption", 360, 360, 1335, Look::Caption},
    {Box::Results, "areaCaption", 240, 720, 1455, Look::Caption},
    {Box::Results, "aspectRatioCaption", 120, 1080, 1575, Look::Caption},
    {Box::Results, "macStationCaption", 4680, 360, 975, Look::Caption},
    {Box::Results, "macLengthCaption", 4200, 720, 1455, Look::Caption},
    {Box::Results, "centringPointCaption", 3720, 1080, 1935, Look::Caption},
    {Box::Results, "spanValue", 1920, 360, 1335, Look::Value, nullptr, ResultLabel::Span},
    {Box::Results, "areaValue", 1920, 720, 1335, Look::Value, nullptr, ResultLabel::Area},
    {Box::Results, "aspectRatioValue", 1920, 1080, 905, Look::Value, nullptr,
     ResultLabel::AspectRatio},
    {Box::Results, "macStationValue", 5880, 360, 1335, Look::Value, nullptr,
     ResultLabel::MacStation},
    {Box::Results, "macLengthValue", 5880, 720, 1335, Look::Value, nullptr, ResultLabel::MacLength},
    {Box::Results, "centringPointValue", 5880, 1080, 1335, Look::Value, nullptr,
     ResultLabel::Centring},
};

// The panel grid's rows, top to bottom.
struct GridRow {
  Field field;
  const char* name;
  int top;
};
constexpr GridRow kGridRows[] = {{Field::RootChord, "rootChord", 600},
                                 {Field::TipChord, "tipChord", 960},
                                 {Field::PanelLength, "panelLength", 1320},
                                 {Field::Sweep, "sweep", 1680}};

QFont captionFont() { return namedFont("Arial", 8.25, true); }
QFont plainFont() { return namedFont("Arial", 8.25, false); }

QGroupBox* addFrame(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFont(namedFont("Arial", 9, true));
  // A classic frame: an etched line all round, the caption set into its top edge.
  frame->setStyleSheet(
      QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                     " left: 6px; padding: 0 2px; }"));
  placeTwips(frame, left, top, width, height);
  return frame;
}

// A label with no field to move to shows its caption without the access key's mark.
QString withoutAccessKey(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && ++i == caption.size()) break;
    shown += caption[i];
  }
  return shown;
}

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(const QString& programFolder, const QString& decimalMark,
                       std::function<std::string()> shortDate, QWidget* parent)
    : QMainWindow(parent), decimalMark_(decimalMark), shortDate_(std::move(shortDate)) {
  setObjectName(QStringLiteral("mainWindow"));
  QMainWindow::setWindowTitle(QStringLiteral("Tavelor"));
  setWindowIcon(programIcon());
  buildControls();
  buildMenus();
  form_ = std::make_unique<ui::MainForm>(*this, fromQ(programFolder));
  // Nothing moves or resizes with the window.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
  // The fields report to the form while they are destroyed; stop that first.
  for (auto& [object, id] : fieldIds_) {
    object->removeEventFilter(this);
    object->disconnect(this);
  }
  while (busyDepth_ > 0) setBusyPointer(false);
}

QLabel* MainWindow::addLabel(QWidget* parent, const char* name, int left, int top, int width,
                             const QFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  placeTwips(label, left, top, width, 255);
  captionSetters_[name] = [label](const QString& caption) {
    label->setText(label->buddy() ? caption : withoutAccessKey(caption));
  };
  return label;
}

QLineEdit* MainWindow::addField(QWidget* parent, const QString& name, ui::FieldRef id, int left,
                                int top) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setFont(plainFont());
  // Texts placed by the program (a wing file line) are kept whole.
  edit->setMaxLength(1 << 16);
  // Every typed character must reach the key filter as a key press.
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  placeTwips(edit, left, top, 700, 315);
  edit->installEventFilter(this);
  fieldIds_[edit] = id;
  fields_[{id.field, id.index}] = edit;
  return edit;
}

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(twipsRect(client, 0, 0, kClientWidth, kClientHeight).size());
  setCentralWidget(client);

  auto* inputs = addFrame(client, "inputsFrame", 120, 120, 8055, 2775);
  auto* massFrame = addFrame(client, "massFrame", 120, 2880, 8055, 615);
  auto* resultsFrame = addFrame(client, "resultsFrame", 120, 3500, 8055, 1455);
  for (QGroupBox* frame : {inputs, resultsFrame}) {
    captionSetters_[fromQ(frame->objectName())] = [frame](const QString& t) { frame->setTitle(t); };
  }
  const std::map<Box, QWidget*> boxes{
      {Box::Inputs, inputs}, {Box::Mass, massFrame}, {Box::Results, resultsFrame}};

  for (int i = 0; i < ui::kPanels; ++i) {
    const std::string name = "panelHeading" + std::to_string(i);
    addLabel(inputs, name.c_str(), 1920 + 960 * i, 240, 855, plainFont(),
             Qt::AlignLeft | Qt::AlignVCenter);
    for (const GridRow& row : kGridRows) {
      addField(inputs, QStringLiteral("%1%2").arg(QLatin1String(row.name)).arg(i + 1),
               {row.field, i}, 1920 + 960 * i, row.top);
    }
  }
  for (const LabelRow& row : kLabels) {
    const QFont font = row.look == Look::Caption ? captionFont()
                       : row.look == Look::Value ? plainFont()
                                                 : QApplication::font();
    const Qt::Alignment alignment = row.look == Look::Caption ? Qt::AlignRight | Qt::AlignVCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter;
    QLabel* label =
        addLabel(boxes.at(row.box), row.name, row.left, row.top, row.width, font, alignment);
    if (row.fixedText) label->setText(QString::fromUtf8(row.fixedText));
    if (row.result) results_[*row.result] = label;
  }
  addField(inputs, QStringLiteral("centring"), {Field::Centring, 0}, 1920, 2160);
  addField(massFrame, QStringLiteral("mass"), {Field::Mass, 0}, 1920, 200);
  // A caption's access key moves the focus to its field.
  const std::pair<const char*, QLineEdit*> buddies[] = {
      {"rootChordCaption", field(Field::RootChord, 0)},
      {"tipChordCaption", field(Field::TipChord, 0)},
      {"lengthCaption", field(Field::PanelLength, 0)},
      {"sweepCaption", field(Field::Sweep, 0)},
      {"centringCaption", field(Field::Centring, 0)},
      {"massCaption", field(Field::Mass, 0)},
      {"panelHeading0", field(Field::RootChord, 0)}};
  for (const auto& [name, buddy] : buddies) {
    client->findChild<QLabel*>(QString::fromLatin1(name))->setBuddy(buddy);
  }
  for (int i = 1; i < ui::kPanels; ++i) {
    inputs->findChild<QLabel*>(QStringLiteral("panelHeading%1").arg(i))
        ->setBuddy(field(Field::TipChord, i));
  }
  // Red goes with the mean chord's station, blue with the centring point, as in the plan.
  setTextColour(resultsFrame->findChild<QLabel*>(QStringLiteral("macStationCaption")),
                QColor(255, 0, 0));
  setTextColour(resultsFrame->findChild<QLabel*>(QStringLiteral("centringPointCaption")),
                QColor(0, 0, 255));

  // The root chords of panels 2 to 5 always show the tip chord before them: shown, not typed.
  for (int i = 1; i < ui::kPanels; ++i) {
    QLineEdit* derived = field(Field::RootChord, i);
    derived->setReadOnly(true);
    derived->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = derived->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    derived->setPalette(palette);
  }
  // Typed or set by the program, every change of a tip chord is copied on to the next root chord.
  for (int i = 0; i < ui::kPanels; ++i) {
    connect(field(Field::TipChord, i), &QLineEdit::textChanged, this,
            [this] { form_->copyTipChords(); });
  }
  // Any change may leave the figures stale.
  for (const auto& [id, edit] : fields_) {
    connect(edit, &QLineEdit::textChanged, this, [this] {
      if (form_) form_->inputChanged();
    });
  }

  struct ButtonRow {
    const char* name;
    QPixmap glyph;
    int top;
    void (ui::MainForm::*command)();
  };
  const ButtonRow buttonRows[] = {{"calculateButton", sumGlyph(), 600, nullptr},
                                  {"clearButton", crossGlyph(), 1320, &ui::MainForm::clearInputs},
                                  {"printButton", printerGlyph(), 2040, &ui::MainForm::printSheet}};
  for (const ButtonRow& row : buttonRows) {
    auto* button = new PictureButton(row.glyph, inputs);
    button->setObjectName(QString::fromLatin1(row.name));
    button->setFont(plainFont());
    // Enter on a focused button presses it, as in a dialog.
    button->setAutoDefault(true);
    placeTwips(button, 6720, row.top, 1020, 495);
    buttons_[row.name] = button;
    captionSetters_[row.name] = [button](const QString& text) { button->setText(text); };
    const auto command = row.command;
    connect(button, &QPushButton::clicked, this, [this, command] {
      if (command) {
        (form_.get()->*command)();
      } else {
        form_->calculate();
      }
    });
  }
  buttons_["calculateButton"]->setDefault(true);

  plan_ = new PlanWidget(client);
  placeTwips(plan_, 120, 5040, 8055, 2295);

  // Keyboard order: panel 1, the centring, panels 2 to 5 (their root chord is derived), the mass,
  // then the buttons.
  std::vector<QWidget*> order{field(Field::RootChord, 0), field(Field::TipChord, 0),
                              field(Field::PanelLength, 0), field(Field::Sweep, 0),
                              field(Field::Centring, 0)};
  for (int i = 1; i < ui::kPanels; ++i) {
    order.insert(order.end(),
                 {field(Field::TipChord, i), field(Field::PanelLength, i), field(Field::Sweep, i)});
  }
  order.insert(order.end(), {field(Field::Mass, 0), buttons_["calculateButton"],
                             buttons_["clearButton"], buttons_["printButton"]});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::showReady() {
  show();
  field(Field::RootChord, 0)->setFocus(Qt::ActiveWindowFocusReason);
  activateWindow();
}

QLineEdit* MainWindow::field(Field kind, int index) const {
  const bool single = kind == Field::Centring || kind == Field::Mass;
  return fields_.at({kind, single ? 0 : index});
}

std::string MainWindow::fieldText(Field kind, int index) const {
  return fromQ(field(kind, index)->text());
}

void MainWindow::setFieldText(Field kind, int index, const std::string& text) {
  field(kind, index)->setText(toQ(text));
}

void MainWindow::selectAll(Field kind, int index) {
  QLineEdit* edit = field(kind, index);
  edit->selectAll();
  // Again once the event that gave the focus is done: a mouse click would otherwise place the
  // caret over the selection.
  QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

void MainWindow::setFocus(Field kind, int index) {
  field(kind, index)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setResultText(ResultLabel label, const std::string& text) {
  results_.at(label)->setText(toQ(text));
}

void MainWindow::setWindowTitle(const std::string& text) { QMainWindow::setWindowTitle(toQ(text)); }

std::string MainWindow::decimalMark() const { return fromQ(decimalMark_); }

void MainWindow::setCaption(const std::string& control, const std::string& text) {
  const auto setter = captionSetters_.find(control);
  if (setter != captionSetters_.end()) setter->second(toQ(text));
}

void MainWindow::setToolTip(const std::string& control, const std::string& text) {
  const auto found = buttons_.find(control);
  if (found != buttons_.end()) found->second->setToolTip(toQ(text));
}

void MainWindow::setBusyPointer(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

std::unique_ptr<plot::PageSurface> MainWindow::openPage(const std::string& sheetName) {
  return openSystemPrinterPage(sheetName);
}

std::string MainWindow::shortDate() const { return shortDate_ ? shortDate_() : std::string(); }

void MainWindow::showPlan(plot::Drawing plan) { plan_->setPlan(std::move(plan)); }

void MainWindow::endProgram() {
  endRequested_ = true;
  // Closing the last window ends the event loop once it runs; before it runs (start-up) the
  // caller returns from main. QCoreApplication::exit would also end every later event loop.
  QApplication::closeAllWindows();
}

}  // namespace tavelor::qt
