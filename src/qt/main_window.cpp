#include "qt/main_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "qt/about_help_dialogs.h"
#include "qt/field_keys.h"
#include "qt/glyphs.h"
#include "qt/language_chooser_dialog.h"
#include "qt/picture_button.h"
#include "qt/plan_widget.h"
#include "qt/printer_page.h"
#include "qt/twips.h"

namespace tavelor::qt {

using calc::Field;
using calc::ResultLabel;

namespace {

// The window's client area and every box in it are given in twips.
constexpr int kClientWidth = 8310;
constexpr int kClientHeight = 7470;

constexpr Qt::Alignment kCaptionAlignment = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kValueAlignment = Qt::AlignLeft | Qt::AlignVCenter;

const char* const kGridNames[] = {"C_max", "C_min", "L_trap", "deport"};
constexpr int kGridTops[] = {600, 960, 1320, 1680};

QFont captionFont() { return namedFont("Arial", 8.25, true); }
QFont frameFont() { return namedFont("Arial", 9, true); }
QFont plainFont() { return namedFont("Arial", 8.25, false); }

QMessageBox::Icon toQtIcon(i18n::Icon icon) {
  switch (icon) {
    case i18n::Icon::Warning:
      return QMessageBox::Warning;
    case i18n::Icon::Critical:
      return QMessageBox::Critical;
    case i18n::Icon::Information:
      return QMessageBox::Information;
    case i18n::Icon::Question:
      return QMessageBox::Question;
    case i18n::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& title, int left, int top,
                    int width, int height) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(name);
  frame->setFont(frameFont());
  // A classic frame: an etched line all round, the caption set into its top edge.
  frame->setStyleSheet(
      QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                     " left: 6px; padding: 0 2px; }"));
  placeTwips(frame, left, top, width, height);
  return frame;
}

}  // namespace

MainWindow::MainWindow(const QString& programFolder, const QString& decimalMark,
                       std::function<std::string()> shortDate, QWidget* parent)
    : QMainWindow(parent), decimalMark_(decimalMark), shortDate_(std::move(shortDate)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tavelor"));
  setWindowIcon(programIcon());
  buildControls();
  buildMenus();
  form_ = std::make_unique<ui::MainForm>(*this, fromQ(programFolder));
  wireEvents();
  // Nothing moves or resizes with the window.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
  // The fields report to the form while they are destroyed; stop that first.
  for (auto& [object, id] : fieldIds_) object->removeEventFilter(this);
  for (auto& column : grid_) {
    for (QLineEdit* edit : column) edit->disconnect(this);
  }
  while (busyDepth_ > 0) setBusyPointer(false);
}

QLabel* MainWindow::addLabel(QWidget* parent, const QString& name, const QString& text, int left,
                             int top, int width, int height, const QFont& font,
                             Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  placeTwips(label, left, top, width, height);
  captionSetters_[fromQ(name)] = [label](const QString& caption) { label->setText(caption); };
  return label;
}

QLineEdit* MainWindow::addField(QWidget* parent, const QString& name, Field kind, int index,
                                int left, int top) {
  auto* edit = new QLineEdit(QStringLiteral("0"), parent);
  edit->setObjectName(name);
  edit->setFont(plainFont());
  // Texts placed by the program (a wing file line) are kept whole.
  edit->setMaxLength(1 << 16);
  // Every typed character must reach the key filter as a key press.
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  placeTwips(edit, left, top, 700, 315);
  edit->installEventFilter(this);
  fieldIds_[edit] = {kind, index};
  return edit;
}

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(twipsRect(client, 0, 0, kClientWidth, kClientHeight).size());
  setCentralWidget(client);

  // Inputs.
  auto* donnees = addFrame(client, QString::fromUtf8("données"), QString::fromUtf8("Données (mm)"),
                           120, 120, 8055, 2775);
  captionSetters_["données"] = [donnees](const QString& text) { donnees->setTitle(text); };
  for (int i = 0; i < calc::kPanels; ++i) {
    addLabel(donnees, QStringLiteral("Trap%1").arg(i), QString::fromUtf8("Trapèze %1").arg(i + 1),
             1920 + 960 * i, 240, 855, 270, plainFont(), kValueAlignment);
  }
  addLabel(donnees, QStringLiteral("Label1"), QStringLiteral("Corde Maxi :"), 360, 600, 1455, 255,
           captionFont(), kCaptionAlignment);
  addLabel(donnees, QStringLiteral("Label2"), QStringLiteral(" Corde Mini :"), 360, 960, 1455, 255,
           captionFont(), kCaptionAlignment);
  addLabel(donnees, QStringLiteral("Label3"), QString::fromUtf8("Longueur Trapèze :"), 120, 1320,
           1695, 255, captionFont(), kCaptionAlignment);
  addLabel(donnees, QStringLiteral("Label4"), QString::fromUtf8("Flèche  +/- :"), 360, 1680, 1455,
           255, captionFont(), kCaptionAlignment);
  for (int row = 0; row < 4; ++row) {
    for (int i = 0; i < calc::kPanels; ++i) {
      grid_[row][i] =
          addField(donnees, QStringLiteral("%1%2").arg(QLatin1String(kGridNames[row])).arg(i),
                   static_cast<Field>(row), i, 1920 + 960 * i, kGridTops[row]);
    }
  }
  grid_[0][0]->setText(QStringLiteral("12345"));
  // The root chords of panels 2 to 5 always show the tip chord before them: shown, not typed.
  for (int i = 1; i < calc::kPanels; ++i) {
    QLineEdit* derived = grid_[0][i];
    derived->setReadOnly(true);
    derived->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = derived->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    derived->setPalette(palette);
  }
  addLabel(donnees, QStringLiteral("Label5"), QString::fromUtf8("Centrage à "), 120, 2160, 1695,
           255, captionFont(), kCaptionAlignment);
  cg_ = addField(donnees, QStringLiteral("Cg"), Field::Cg, 0, 1920, 2160);
  addLabel(donnees, QStringLiteral("Label100"), QStringLiteral("%"), 2640, 2180, 255, 255,
           captionFont(), kValueAlignment);

  struct ButtonSpec {
    const char* name;
    const char* caption;
    QPixmap glyph;
    int top;
  };
  const ButtonSpec buttonSpecs[] = {{"cmdCalcul", "&Calcul", sumGlyph(), 600},
                                    {"cmdClear", "&Efface", crossGlyph(), 1320},
                                    {"cmdprint", "&Imprimer", printerGlyph(), 2040}};
  for (const ButtonSpec& spec : buttonSpecs) {
    auto* button = new PictureButton(spec.glyph, donnees);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setText(QString::fromLatin1(spec.caption));
    button->setFont(plainFont());
    // Enter on a focused button presses it, as in a dialog.
    button->setAutoDefault(true);
    placeTwips(button, 6720, spec.top, 1020, 495);
    buttons_[spec.name] = button;
    captionSetters_[spec.name] = [button](const QString& text) { button->setText(text); };
  }
  buttons_["cmdCalcul"]->setDefault(true);

  // Mass and wing loading.
  auto* ca = addFrame(client, QStringLiteral("ca"), QString(), 120, 2880, 8055, 615);
  auto* frame1 = new QWidget(ca);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(0, 0, ca->width(), ca->height());
  addLabel(frame1, QStringLiteral("Lbmasse"), QStringLiteral("Masse :"), 120, 240, 1695, 255,
           captionFont(), kCaptionAlignment);
  masse_ = addField(frame1, QStringLiteral("masse"), Field::masse, 0, 1920, 200);
  addLabel(frame1, QStringLiteral("Label12"), QStringLiteral("g"), 2760, 240, 495, 255,
           QApplication::font(), kValueAlignment);
  addLabel(frame1, QStringLiteral("Lbca"), QStringLiteral("Charge Alaire :"), 3600, 240, 2055, 255,
           captionFont(), kCaptionAlignment);
  results_[ResultLabel::LbafficheCA] = addLabel(frame1, QStringLiteral("LbafficheCA"), QString(),
                                                5880, 240, 1335, 255, plainFont(), kValueAlignment);

  // Results.
  auto* resultats = addFrame(client, QString::fromUtf8("résultats"), QString::fromUtf8("Résultats"),
                             120, 3500, 8055, 1455);
  captionSetters_["résultats"] = [resultats](const QString& text) { resultats->setTitle(text); };
  addLabel(resultats, QStringLiteral("Label6"), QStringLiteral("Envergure :"), 360, 360, 1335, 255,
           captionFont(), kCaptionAlignment);
  addLabel(resultats, QStringLiteral("Label7"), QStringLiteral("Surface :"), 240, 720, 1455, 255,
           captionFont(), kCaptionAlignment);
  addLabel(resultats, QStringLiteral("Label8"), QStringLiteral("Allongement :"), 120, 1080, 1575,
           255, captionFont(), kCaptionAlignment);
  QLabel* label9 = addLabel(resultats, QStringLiteral("Label9"), QStringLiteral("Distance X :"),
                            4680, 360, 975, 255, captionFont(), kCaptionAlignment);
  addLabel(resultats, QStringLiteral("Label10"), QStringLiteral("Corde moyenne :"), 4200, 720, 1455,
           255, captionFont(), kCaptionAlignment);
  QLabel* label11 =
      addLabel(resultats, QStringLiteral("Label11"), QStringLiteral("Distance de centrage :"), 3720,
               1080, 1935, 255, captionFont(), kCaptionAlignment);
  // Red goes with the mean chord's station, blue with the centring point, as in the plan.
  QPalette red = label9->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label9->setPalette(red);
  QPalette blue = label11->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label11->setPalette(blue);

  struct ValueSpec {
    ResultLabel label;
    const char* name;
    int left, top, width;
  };
  const ValueSpec values[] = {{ResultLabel::Lbenv, "Lbenv", 1920, 360, 1335},
                              {ResultLabel::Lbsurf, "Lbsurf", 1920, 720, 1335},
                              {ResultLabel::Lballong, "Lballong", 1920, 1080, 905},
                              {ResultLabel::Lbdist_x, "Lbdist_x", 5880, 360, 1335},
                              {ResultLabel::Lbcmoy, "Lbcmoy", 5880, 720, 1335},
                              {ResultLabel::Lbdistcentr, "Lbdistcentr", 5880, 1080, 1335}};
  for (const ValueSpec& value : values) {
    results_[value.label] =
        addLabel(resultats, QString::fromLatin1(value.name), QString(), value.left, value.top,
                 value.width, 255, plainFont(), kValueAlignment);
  }

  plan_ = new PlanWidget(client);
  placeTwips(plan_, 120, 5040, 8055, 2295);

  // Keyboard order: panel 1, the centring, panels 2 to 5 (their root chord is derived), the mass,
  // then the buttons.
  std::vector<QWidget*> order{grid_[0][0], grid_[1][0], grid_[2][0], grid_[3][0], cg_};
  for (int i = 1; i < calc::kPanels; ++i) {
    order.insert(order.end(), {grid_[1][i], grid_[2][i], grid_[3][i]});
  }
  order.insert(order.end(),
               {masse_, buttons_["cmdCalcul"], buttons_["cmdClear"], buttons_["cmdprint"]});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  auto addMenu = [&](const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    captionSetters_[name] = [menu](const QString& text) { menu->setTitle(text); };
    return menu;
  };
  auto addEntry = [&](QMenu* menu, const char* name, const QString& text,
                      void (ui::MainForm::*handler)()) {
    QAction* action = menu ? menu->addAction(text) : bar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    captionSetters_[name] = [action](const QString& caption) { action->setText(caption); };
    connect(action, &QAction::triggered, this, [this, handler] { (form_.get()->*handler)(); });
    return action;
  };
  auto addSeparator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  QMenu* file = addMenu("mnufile", QStringLiteral("&Fichier"));
  addEntry(file, "mnuopen", QStringLiteral("&Ouvrir..."), &ui::MainForm::mnuopen_Click);
  addEntry(file, "mnusave", QStringLiteral("&Enregister sous..."), &ui::MainForm::mnusave_Click);
  addSeparator(file, "mnuvide0");
  addEntry(file, "mnufileprint", QStringLiteral("&Imprimer ..."),
           &ui::MainForm::mnufileprint_Click);
  addSeparator(file, "mnuvide");
  addEntry(file, "mnufilequit", QStringLiteral("&Quitter "), &ui::MainForm::mnufilequit_Click);
  // The language menu has no entries: choosing its title opens the chooser.
  addEntry(nullptr, "mnulang", QStringLiteral("Langue"), &ui::MainForm::mnulang_Click);
  QMenu* help = addMenu("mnuaide", QStringLiteral("?"));
  addEntry(help, "mnuhlp", QStringLiteral("&Aide ..."), &ui::MainForm::mnuhlp_Click);
  addSeparator(help, "mnuvide1");
  addEntry(help, "nmuabout", QStringLiteral("A &propos de  ..."), &ui::MainForm::nmuabout_Click);

  captionSetters_["frmMain"] = [this](const QString& text) { setWindowTitle(text); };
}

void MainWindow::wireEvents() {
  connect(buttons_["cmdCalcul"], &QPushButton::clicked, this, [this] { form_->cmdCalcul_Click(); });
  connect(buttons_["cmdClear"], &QPushButton::clicked, this, [this] { form_->cmdClear_Click(); });
  connect(buttons_["cmdprint"], &QPushButton::clicked, this, [this] { form_->cmdprint_Click(); });
  // Typed or set by the program, every change of a tip chord is copied on to the next root chord.
  for (QLineEdit* tip : grid_[static_cast<int>(Field::C_min)]) {
    connect(tip, &QLineEdit::textChanged, this, [this] { form_->C_min_Change(); });
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto found = fieldIds_.find(watched);
  if (found == fieldIds_.end() || !form_) return QMainWindow::eventFilter(watched, event);
  const FieldId id = found->second;
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A field would take Ctrl+V and the like as its own shortcuts; claim them here so that the
      // key press comes to the filter below, which discards them.
      const auto* key = static_cast<QKeyEvent*>(event);
      const auto character = typedCharacter(*key);
      if (!isEnterKey(*key) && character && *character < 0x20 && *character != U'\b' &&
          !form_->keyPress(id.kind, *character)) {
        event->accept();
        return true;
      }
      break;
    }
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (isEnterKey(*key)) {
        buttons_["cmdCalcul"]->click();
        return true;
      }
      const auto character = typedCharacter(*key);
      if (!character) break;
      if (!form_->keyPress(id.kind, *character)) return true;
      // A key that types several characters at once passes only when each of them would.
      for (const char32_t extra : key->text().toUcs4()) {
        if (!form_->keyPress(id.kind, extra)) return true;
      }
      break;
    }
    case QEvent::FocusIn: {
      // Coming back from another window or a menu is no new focus for the field.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const bool returning =
          reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
      if (!returning || watched != lastFocusedField_) {
        lastFocusedField_ = watched;
        form_->fieldGotFocus(id.kind, id.index);
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showReady() {
  show();
  grid_[0][0]->setFocus(Qt::ActiveWindowFocusReason);
  activateWindow();
}

QLineEdit* MainWindow::field(Field kind, int index) const {
  if (kind == Field::Cg) return cg_;
  if (kind == Field::masse) return masse_;
  return grid_.at(static_cast<std::size_t>(kind)).at(static_cast<std::size_t>(index));
}

QLabel* MainWindow::resultLabel(ResultLabel label) const { return results_.at(label); }

QPushButton* MainWindow::button(const char* name) const { return buttons_.at(name); }

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

void MainWindow::setResultCaption(ResultLabel label, const std::string& text) {
  results_.at(label)->setText(toQ(text));
}

std::string MainWindow::resultCaption(ResultLabel label) const {
  return fromQ(results_.at(label)->text());
}

void MainWindow::setWindowCaption(const std::string& text) { setWindowTitle(toQ(text)); }

void MainWindow::clearPlan() { plan_->clear(); }

std::string MainWindow::decimalMark() const { return fromQ(decimalMark_); }

i18n::Answer MainWindow::showMessage(const std::string& text, const std::string& title,
                                     i18n::Icon icon, i18n::Buttons buttons) {
  QMessageBox box(this);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setIcon(toQtIcon(icon));
  box.setWindowTitle(toQ(title.empty() ? std::string(i18n::kAppTitle) : title));
  box.setTextFormat(Qt::PlainText);
  box.setText(displayLines(text));
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (buttons == i18n::Buttons::OkCancel) cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel ? cancel : ok);
  box.exec();
  return cancel && box.clickedButton() == cancel ? i18n::Answer::Cancel : i18n::Answer::Ok;
}

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

std::string MainWindow::promptText(const std::string& prompt, const std::string& title,
                                   const std::string& proposed) {
  QInputDialog dialog(this);
  dialog.setObjectName(QStringLiteral("prompt"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(toQ(title.empty() ? std::string(i18n::kAppTitle) : title));
  dialog.setLabelText(displayLines(prompt));
  dialog.setTextValue(toQ(proposed));
  if (dialog.exec() != QDialog::Accepted) return {};
  return fromQ(dialog.textValue());
}

std::unique_ptr<plot::PageSurface> MainWindow::openPage() {
  // The page names a PDF file after the sheet name, which the print command fills in after it
  // has opened the page: hand it the record's own text.
  return openSystemPrinterPage(form_->state().sheetName, fromQ(decimalMark_));
}

std::string MainWindow::shortDate() const { return shortDate_ ? shortDate_() : std::string(); }

std::optional<std::string> MainWindow::askFileName(const files::FileDialogRequest& request,
                                                   bool save) {
  QFileDialog dialog(this, toQ(request.title), toQ(request.initialFolder), toQ(request.filterText));
  dialog.setObjectName(save ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(toQ(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return fromQ(chosen.front());
}

std::optional<std::string> MainWindow::askSaveFileName(const files::FileDialogRequest& request) {
  return askFileName(request, true);
}

std::optional<std::string> MainWindow::askOpenFileName(const files::FileDialogRequest& request) {
  return askFileName(request, false);
}

plot::DrawingSurface& MainWindow::planSurface() { return *plan_; }

void MainWindow::showLanguageChooser(i18n::LanguageModule& language) {
  LanguageChooserDialog dialog(this);
  i18n::LanguageChooser chooser(language, *this, dialog);
  dialog.setChooser(&chooser);
  chooser.open();
  dialog.exec();
}

void MainWindow::showAbout(const ui::AboutTexts& texts) {
  AboutDialog dialog(texts, this);
  dialog.exec();
}

void MainWindow::showHelp(const ui::HelpTexts& texts) {
  HelpDialog dialog(texts, this);
  dialog.exec();
}

void MainWindow::endProgram() {
  endRequested_ = true;
  // Closing the last window ends the event loop once it runs; before it runs (start-up) the
  // caller returns from main. QCoreApplication::exit would also end every later event loop.
  QApplication::closeAllWindows();
}

}  // namespace tavelor::qt
