#include "qt/rib_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/drawing_view.h"
#include "qt/field_keys.h"
#include "qt/text.h"
#include "ui/rib_table.h"

namespace tavelor::qt {

RibDialog::RibDialog(ui::RibForm& form, QWidget* owner) : QDialog(owner), form_(form) {
  setObjectName(QStringLiteral("ribs"));
  setModal(true);
  const auto text = [this](const char* key) { return toQ(form_.text(key)); };
  setWindowTitle(text("title"));
  auto* grid = new QGridLayout;
  int row = 0;
  for (const ui::RibRow& line : ui::kRibRows) {
    grid->addWidget(new QLabel(text(line.captionKey), this), row, 0);
    for (int i = 0; i < line.fields; ++i) {
      const auto field = static_cast<ui::RibField>(static_cast<int>(line.first) + i);
      const auto at = static_cast<std::size_t>(field);
      auto* edit = new QLineEdit(toQ(form_.shownText(field)), this);
      edit->setObjectName(QString::fromLatin1(ui::kRibFieldNames[at]));
      connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& typed) {
        form_.edit(field, fromQ(typed));
        showPictures();
      });
      fields_[at] = edit;
      edit->installEventFilter(this);
      const bool airfoil = line.fields == 1 && at < 2;
      if (*ui::kRibFieldCaptions[at]) {
        grid->addWidget(new QLabel(text(ui::kRibFieldCaptions[at]), this), row, 1 + 2 * i,
                        Qt::AlignRight);
      }
      edit->setMinimumWidth(airfoil ? 160 : 60);
      edit->setMaximumWidth(airfoil ? QWIDGETSIZE_MAX : 80);
      grid->addWidget(edit, row, 2 + 2 * i, 1, airfoil ? 4 : 1);
      if (airfoil) {
        auto* choose = new QPushButton(QStringLiteral("\u2026"), this);
        choose->setObjectName(edit->objectName() + QStringLiteral("File"));
        choose->setAutoDefault(false);
        connect(choose, &QPushButton::clicked, this, [this, at, edit] {
          form_.chooseAirfoil(static_cast<int>(at));
          edit->setText(toQ(form_.shownText(static_cast<ui::RibField>(at))));
          showPictures();
        });
        grid->addWidget(choose, row, 6);
      }
    }
    const int spar = static_cast<int>(line.first) - static_cast<int>(ui::RibField::Spar1At);
    if (spar >= 0 && spar % 3 == 0 && spar / 3 < rib::kMaxSpars) {
      auto* side = new QComboBox(this);
      side->setObjectName(QStringLiteral("spar%1Side").arg(spar / 3 + 1));
      for (const char* key : ui::kSparSideKeys) side->addItem(text(key));
      side->setCurrentIndex(static_cast<int>(form_.sparSide(spar / 3)));
      connect(side, &QComboBox::currentIndexChanged, this, [this, spar](int chosen) {
        form_.setSparSide(spar / 3, static_cast<rib::SparSide>(chosen));
        showPictures();
      });
      grid->addWidget(side, row, 7);
    }
    ++row;
  }
  grid->setRowStretch(row, 1);

  auto* pictures = new QVBoxLayout;
  const char* names[] = {"rootRib", "tipRib", "firstSheet"};
  for (std::size_t i = 0; i < views_.size(); ++i) {
    pictures->addWidget(new QLabel(text(names[i]), this));
    views_[i] = new DrawingView(QString::fromLatin1(names[i]), QSize(300, 120), this);
    pictures->addWidget(views_[i], 1);
  }

  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* key, auto slot) {
    auto* b = new QPushButton(text(key), this);
    b->setObjectName(QString::fromLatin1(key));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  button("export", [this] { run(&ui::RibForm::exportRibs); });
  button("print", [this] { run(&ui::RibForm::printRibs); });
  buttons->addStretch(1);
  button("ok", [this] {
    run(&ui::RibForm::accept);
    if (form_.result()) accept();
  })->setDefault(true);
  button("cancel", [this] { reject(); });

  auto* top = new QHBoxLayout;
  top->addLayout(grid);
  top->addLayout(pictures, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  showPictures();
  fields_[0]->setFocus();
  // No larger than the screen: the pictures shrink to make it fit.
  resize(sizeHint().boundedTo(screen()->availableSize()));
}

bool RibDialog::eventFilter(QObject* watched, QEvent* event) {
  const auto field = std::ranges::find(fields_, watched) - fields_.begin();
  if (field == std::ssize(fields_) || event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (isEnterKey(key) || key.key() == Qt::Key_Escape) return false;  // the window's keys
  return refusesKey(key, [field](char32_t c) {
    return ui::RibForm::keyPasses(static_cast<ui::RibField>(field), c);
  });
}

void RibDialog::run(bool (ui::RibForm::*command)()) {
  if (!(form_.*command)()) fields_[static_cast<std::size_t>(form_.focusField())]->setFocus();
}

void RibDialog::showPictures() {
  views_[0]->setDrawing(form_.rootPicture());
  views_[1]->setDrawing(form_.tipPicture());
  views_[2]->setDrawing(form_.sheetPicture());
}

}  // namespace tavelor::qt
