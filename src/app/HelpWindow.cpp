#include "app/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Commands.h"
#include "app/Images.h"
#include "app/Prompter.h"
#include "gui/ScreenSize.h"

namespace valdren {

namespace {

const QString kContents = QStringLiteral("qrc:/help/index.html");

// The titles of the pages, read once: there are a dozen small pages.
QHash<QString, QString> IndexPages() {
  static const QRegularExpression title(
      QStringLiteral("<title>(.*?)</title>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QHash<QString, QString> pages;
  const QDir folder(QStringLiteral(":/help"));
  for (const QString& name : folder.entryList({QStringLiteral("*.html")}, QDir::Files)) {
    QFile page(folder.filePath(name));
    if (!page.open(QIODevice::ReadOnly)) continue;
    const auto match = title.match(QString::fromUtf8(page.readAll()));
    if (match.hasMatch())
      pages.insert(match.captured(1).trimmed(), QStringLiteral("qrc:/help/") + name);
  }
  return pages;
}

}  // namespace

HelpWindow::HelpWindow(Prompter& prompter)
    : QWidget(nullptr, Qt::Window),
      prompter_(prompter),
      browser_(new QTextBrowser(this)),
      pagesByTitle_(IndexPages()) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Valdren Organization Editor Help"));
  setWindowIcon(ProgramIcon());
  // Left open, it does not keep the program running once the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  // Closed with Escape, the platform's close key and Ctrl+W, one action for them all: two
  // shortcuts of the same key would cancel each other out.
  auto* closeKeys = new QAction(this);
  QList<QKeySequence> keys = {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
    if (!keys.contains(key)) keys << key;
  closeKeys->setShortcuts(keys);
  addAction(closeKeys);
  connect(closeKeys, &QAction::triggered, this, &QWidget::close);
  ResizeWithinScreen(*this, {720, 560});

  auto* contents = new QPushButton(tr("&Contents"), this);
  auto* back = new QPushButton(tr("&Back"), this);
  auto* forward = new QPushButton(tr("&Forward"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  // A link out of the help pages opens in the user's browser.
  browser_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
}

void HelpWindow::ShowContents() {
  browser_->setSource(QUrl(kContents));
  Present();
}

void HelpWindow::ShowKeyword(const QString& keyword) {
  const auto page = pagesByTitle_.constFind(keyword);
  if (page != pagesByTitle_.constEnd()) {
    browser_->setSource(QUrl(*page));
  } else {
    browser_->setHtml(tr("<title>No help topic</title><h2>No help topic</h2><p>There is no help "
                         "topic for \"%1\".</p>"
                         "<p><a href=\"%2\">Contents</a></p>")
                          .arg(keyword.toHtmlEscaped(), kContents));
  }
  Present();
}

void HelpWindow::ShowAbout() {
  const QString title = QString::fromLatin1(kProgramTitle.data(), kProgramTitle.size());
  prompter_.About(tr("About %1").arg(title),
                  tr("<h3>%1</h3><p>Version %2</p><p>Builds orders of battle for the game from "
                     "its database of unit templates, and saves them as organization files the "
                     "game reads.</p>")
                      .arg(title, QStringLiteral(VALDREN_VERSION)));
}

QString HelpWindow::ShownTitle() const {
  return browser_->documentTitle();
}

void HelpWindow::Present() {
  show();
  raise();
  activateWindow();
}

}  // namespace valdren
