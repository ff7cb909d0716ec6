#include "qt/language_chooser_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "qt/field_keys.h"
#include "qt/text.h"

namespace tavelor::qt {

LanguageChooserDialog::LanguageChooserDialog(QWidget* owner)
    : QDialog(owner), combo_(new QComboBox(this)), ok_(new QPushButton(this)) {
  setObjectName(QStringLiteral("languageChooser"));
  setWindowTitle(QString::fromLatin1(i18n::kChooserBuiltInCaption));
  setModal(true);

  combo_->setObjectName(QStringLiteral("languageBox"));
  combo_->setEditable(true);
  // Typing is no choice: nothing typed is added to the list or completed from it.
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setCompleter(nullptr);
  combo_->setEditText(QString::fromLatin1(i18n::kChooserBuiltInText));
  combo_->lineEdit()->installEventFilter(this);
  combo_->setMinimumContentsLength(14);

  ok_->setObjectName(QStringLiteral("okButton"));
  ok_->setText(QStringLiteral("OK"));
  ok_->setDefault(true);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(combo_, 1);
  layout->addWidget(ok_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(combo_, ok_);
  combo_->setFocus();

  // activated: the user picked an item with the mouse or the keyboard, never by typing.
  connect(combo_, &QComboBox::activated, this, [this](int) {
    if (chooser_) chooser_->itemPicked();
  });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (chooser_) {
      chooser_->okPressed();
    } else {
      close();
    }
  });
}

bool LanguageChooserDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the box's edit field presses OK; the box must not treat it as picking the item whose
  // name was typed.
  if (watched == combo_->lineEdit() && event->type() == QEvent::KeyPress &&
      isEnterKey(*static_cast<QKeyEvent*>(event))) {
    ok_->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void LanguageChooserDialog::processEvents() { QCoreApplication::processEvents(); }

void LanguageChooserDialog::setCaption(const std::string& text) { setWindowTitle(toQ(text)); }

void LanguageChooserDialog::clearItems() { combo_->clear(); }

void LanguageChooserDialog::addItem(const std::string& text) { combo_->addItem(toQ(text)); }

void LanguageChooserDialog::setEditText(const std::string& text) {
  // The box's list follows its text: a listed name becomes the selected item, so the arrow keys
  // move on from it; any other text leaves no item selected. Neither is a choice.
  const QString shown = toQ(text);
  combo_->setCurrentIndex(combo_->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo_->setEditText(shown);
}

std::string LanguageChooserDialog::editText() const { return fromQ(combo_->currentText()); }

std::optional<std::string> LanguageChooserDialog::selectedItemText() const {
  const int index = combo_->currentIndex();
  if (index < 0) return std::nullopt;
  return fromQ(combo_->itemText(index));
}

void LanguageChooserDialog::close() { accept(); }

}  // namespace tavelor::qt
