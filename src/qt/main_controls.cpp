// The main window's controls: a table of labels and the panels' fields, laid out in the grids of
// three frames over the plan strip.

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "plot/plan_view.h"
#include "qt/drawing_painter.h"
#include "qt/drawing_view.h"
#include "qt/glyphs.h"
#include "qt/main_window.h"
#include "qt/picture_button.h"
#include "qt/text.h"
#include "ui/control_table.h"

namespace tavelor::qt {

using ui::Box;
using ui::Field;
using ui::Look;

namespace {

constexpr int kButtonColumn = 7;  // column 6 takes the width the window gains

QGroupBox* addFrame(QWidget* parent, const char* name) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFont(boldFont());
  // A classic frame: an etched line all round, the caption set into its top edge.
  frame->setStyleSheet(
      QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: 0.6em; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                     " left: 6px; padding: 0 2px; }"));
  return frame;
}

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// Gives one column of several grids the width of its widest cell in any of them, so the
// frames' captions and values line up whatever the language.
void alignColumn(int column, std::initializer_list<QGridLayout*> grids) {
  const int widest = widestLabel(grids, column);
  for (QGridLayout* grid : grids) grid->setColumnMinimumWidth(column, widest);
}

}  // namespace

QLabel* MainWindow::addLabel(QGridLayout* grid, const char* name, int row, int column,
                             const QFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(grid->parentWidget());
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  grid->addWidget(label, row, column);
  captionSetters_[name] = [this, label](const QString& caption) {
    label->setText(label->buddy() ? caption : toQ(ui::withoutAccessKey(fromQ(caption))));
    alignColumns();
  };
  return label;
}

QLineEdit* MainWindow::addField(QGridLayout* grid, const QString& name, ui::FieldRef id, int row,
                                int column) {
  auto* edit = new QLineEdit(grid->parentWidget());
  edit->setObjectName(name);
  // Texts placed by the program (a wing file line) are kept whole.
  edit->setMaxLength(1 << 16);
  // Every typed character must reach the key filter as a key press.
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  // Room for "1234.56" and the frame.
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 10);
  grid->addWidget(edit, row, column);
  edit->installEventFilter(this);
  fieldIds_[edit] = id;
  fields_[{id.field, id.index}] = edit;
  return edit;
}

void MainWindow::alignColumns() {
  alignColumn(0, {grids_[0], grids_[1], grids_[2]});
  alignColumn(3, {grids_[1], grids_[2]});
  alignColumn(4, {grids_[1], grids_[2]});
}

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  auto* inputs = addFrame(client, "inputsFrame");
  auto* massFrame = addFrame(client, "massFrame");
  auto* resultsFrame = addFrame(client, "resultsFrame");
  for (QGroupBox* frame : {inputs, resultsFrame}) {
    captionSetters_[fromQ(frame->objectName())] = [frame](const QString& t) { frame->setTitle(t); };
  }
  grids_ = {new QGridLayout(inputs), new QGridLayout(massFrame), new QGridLayout(resultsFrame)};
  const std::map<Box, QGridLayout*> boxes{
      {Box::Inputs, grids_[0]}, {Box::Mass, grids_[1]}, {Box::Results, grids_[2]}};

  for (int i = 0; i < ui::kPanels; ++i) {
    const std::string name = "panelHeading" + std::to_string(i);
    addLabel(grids_[0], name.c_str(), 0, i + 1, font(), Qt::AlignLeft | Qt::AlignVCenter);
    for (int row = 1; const ui::GridRow& gridRow : ui::kGridRows) {
      addField(grids_[0], QStringLiteral("%1%2").arg(QLatin1String(gridRow.name)).arg(i + 1),
               {gridRow.field, i}, row++, i + 1);
    }
  }
  for (const ui::LabelRow& row : ui::kLabels) {
    const QFont font = row.look == Look::Caption ? boldFont() : QApplication::font();
    const Qt::Alignment alignment = row.look == Look::Caption ? Qt::AlignRight | Qt::AlignVCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter;
    QLabel* label = addLabel(boxes.at(row.box), row.name, row.row, row.column, font, alignment);
    if (row.fixedText) label->setText(QString::fromUtf8(row.fixedText));
    if (row.result) results_[*row.result] = label;
    // Red goes with the mean chord's station, blue with the centring point, as in the plan.
    if (row.colour) setTextColour(label, toQColor(plot::penOf(*row.colour).colour));
  }
  addField(grids_[0], QStringLiteral("centring"), {Field::Centring, 0}, 5, 1);
  addField(grids_[1], QStringLiteral("mass"), {Field::Mass, 0}, 0, 1);
  for (QGridLayout* grid : {grids_[1], grids_[2]}) grid->setColumnStretch(2, 1);
  grids_[0]->setColumnStretch(kButtonColumn - 1, 1);
  // A caption's access key moves the focus to its field.
  for (const ui::Buddy& buddy : ui::buddies()) {
    client->findChild<QLabel*>(toQ(buddy.label))
        ->setBuddy(field(buddy.field.field, buddy.field.index));
  }

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

  // The buttons in a column of their own beside the panels, spread over the fields' rows.
  auto* buttonColumn = new QVBoxLayout;
  grids_[0]->addLayout(buttonColumn, 1, kButtonColumn, 5, 1);
  for (const ui::ButtonRow& row : ui::kButtonRows) {
    auto* button = new PictureButton(glyphPixmap(row.glyph()), inputs);
    button->setObjectName(QString::fromLatin1(row.name));
    if (!buttonColumn->isEmpty()) buttonColumn->addStretch(1);
    buttonColumn->addWidget(button);
    // Enter on a focused button presses it, as in a dialog.
    button->setAutoDefault(true);
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

  // The plan strip: the picture fills it, true to size in a strip of the size it was laid out
  // for, magnified or reduced to fit another.
  plan_ = new DrawingView(QStringLiteral("plan"), {0, 0}, client);
  plan_->setLineWidth(2);
  plan_->setLook({0, 1, {9, 3, 3, 3, 3, 3}, false});
  plan_->setNaturalSize({plot::kPlanWidthMm, plot::kPlanHeightMm});
  // The plan takes the height and width the window gains.
  auto* column = new QVBoxLayout(client);
  for (QWidget* frame : {static_cast<QWidget*>(inputs), static_cast<QWidget*>(massFrame),
                         static_cast<QWidget*>(resultsFrame)}) {
    column->addWidget(frame);
  }
  column->addWidget(plan_, 1);

  std::vector<QWidget*> order;
  for (const auto& next : ui::tabOrder()) {
    if (const auto* id = std::get_if<ui::FieldRef>(&next)) {
      order.push_back(field(id->field, id->index));
    } else {
      order.push_back(buttons_[std::get<const char*>(next)]);
    }
  }
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace tavelor::qt
