#include "qt/about_help_dialogs.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QStyle>

#include "qt/glyphs.h"
#include "qt/text.h"

namespace tavelor::qt {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QFont& font, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

// An etched separator across the window, drawn as the two lines of one groove.
QFrame* separator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(QStringLiteral("separatorLine"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

AboutDialog::AboutDialog(const ui::AboutTexts& texts, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("aboutWindow"));
  setModal(true);
  setWindowTitle(toQ(texts.caption));

  // The logo two lines of text high, three times as wide as high.
  const int line = fontMetrics().height();
  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("logo"));
  logo->setPixmap(logoImage(line * 6, line * 2));

  auto* ok = new QPushButton(toQ(texts.okCaption), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  // Escape reaches QDialog::reject, which closes the window as the cancel button would.
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(logo, 0, 0, 2, 1);
  grid->addWidget(makeLabel(this, "titleLabel", boldFont(), toQ(texts.title)), 0, 1);
  grid->addWidget(makeLabel(this, "versionLabel", boldFont(), toQ(texts.version)), 1, 1);
  grid->addWidget(makeLabel(this, "descriptionLabel", font(), displayLines(texts.description)), 2,
                  0, 1, 3);
  grid->addWidget(separator(this), 3, 0, 1, 3);
  grid->addWidget(makeLabel(this, "infoLabel", font(), toQ(texts.info)), 4, 0, 1, 2);
  grid->addWidget(ok, 4, 2, Qt::AlignRight | Qt::AlignBottom);
  grid->setColumnStretch(1, 1);
  // As wide as some forty characters; the texts wrap to it and the height follows them.
  grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 40);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  ok->setFocus();
}

HelpDialog::HelpDialog(const ui::HelpTexts& texts, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("helpWindow"));
  setModal(true);
  setWindowTitle(toQ(texts.caption));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("helpPicture"));
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side));

  QLabel* help = makeLabel(this, "helpTextLabel", font(), displayLines(texts.helpText));
  QLabel* closing = makeLabel(this, "closingTextLabel", font(), displayLines(texts.closingText));

  auto* ok = new QPushButton(toQ(texts.okCaption), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(picture, 0, 0, Qt::AlignTop);
  grid->addWidget(help, 0, 1, 1, 2);
  grid->addWidget(closing, 1, 1);
  grid->addWidget(ok, 1, 2, Qt::AlignRight | Qt::AlignBottom);
  grid->setColumnStretch(1, 1);
  grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 70);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  ok->setFocus();
}

}  // namespace tavelor::qt
