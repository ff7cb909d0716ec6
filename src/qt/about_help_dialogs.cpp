#include "qt/about_help_dialogs.h"

#include <QFrame>
#include <QStyle>

#include "qt/glyphs.h"
#include "qt/twips.h"

namespace tavelor::qt {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                  const QFont& font) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  placeTwips(label, left, top, width, height);
  return label;
}

// An etched separator across the window, drawn as the two lines of one groove.
void addSeparator(QWidget* parent, int top, int left, int width) {
  auto* line = new QFrame(parent);
  line->setObjectName(QStringLiteral("separatorLine"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setLineWidth(1);
  QRect box = twipsRect(parent, left, top, width, 0);
  box.setHeight(2);
  line->setGeometry(box);
}

}  // namespace

AboutDialog::AboutDialog(const ui::AboutTexts& texts, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("aboutWindow"));
  setModal(true);
  setWindowTitle(toQ(texts.caption));

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("logo"));
  placeTwips(logo, 120, 120, 1740, 555);
  logo->setPixmap(logoImage(logo->width(), logo->height()));

  const QFont heading = namedFont("Arial", 9, true);
  const QFont body = namedFont("Verdana", 8.25, false);
  label("titleLabel", 2010, 120, 3405, 360, heading)->setText(toQ(texts.title));
  label("versionLabel", 2040, 480, 3645, 225, heading)->setText(toQ(texts.version));
  label("descriptionLabel", 480, 840, 4845, 1155, body)->setText(displayLines(texts.description));
  label("infoLabel", 240, 2280, 4005, 555, body)->setText(toQ(texts.info));

  addSeparator(this, 2130, 120, 5550);

  auto* ok = new QPushButton(toQ(texts.okCaption), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  placeTwips(ok, 4560, 2280, 1065, 345);
  // Escape reaches QDialog::reject, which closes the window as the cancel button would.
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();

  setFixedSize(twipsRect(this, 0, 0, 5790, 2940).size());
}

QLabel* AboutDialog::label(const char* name, int left, int top, int width, int height,
                           const QFont& font) {
  return makeLabel(this, name, left, top, width, height, font);
}

HelpDialog::HelpDialog(const ui::HelpTexts& texts, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("helpWindow"));
  setModal(true);
  setWindowTitle(toQ(texts.caption));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("helpPicture"));
  placeTwips(picture, 120, 120, 495, 495);
  picture->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(picture->size()));

  makeLabel(this, "helpTextLabel", 720, 120, 7335, 6015, namedFont("Arial", 9, false))
      ->setText(displayLines(texts.helpText));
  makeLabel(this, "closingTextLabel", 720, 6240, 7215, 975, namedFont("Arial", 8.25, false))
      ->setText(displayLines(texts.closingText));

  auto* ok = new QPushButton(toQ(texts.okCaption), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setAutoDefault(false);
  placeTwips(ok, 6840, 6600, 1215, 375);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();

  setFixedSize(twipsRect(this, 0, 0, 8175, 7335).size());
}

}  // namespace tavelor::qt
