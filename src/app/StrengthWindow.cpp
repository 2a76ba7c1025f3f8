#include "app/StrengthWindow.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <fstream>

#include "app/Prompter.h"
#include "app/StrengthTableModel.h"
#include "base/Csv.h"
#include "catalog/CatalogTexts.h"
#include "gui/GameText.h"
#include "gui/PathText.h"
#include "gui/ScreenSize.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"

namespace valdren {

namespace {

QString Number(std::int64_t number) {
  return QString::fromStdString(WithThousands(number));
}

// "division" for one, "divisions" for more.
QString EchelonWord(int echelon, std::int64_t count) {
  const std::string_view word = count == 1 ? EchelonStem(echelon) : EchelonGroupText(echelon);
  return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())).toLower();
}

}  // namespace

// Sorted by any column, rows that tie stay in the order of their names.
class TiesByName : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    const QVariant a = left.data(Qt::UserRole);
    const QVariant b = right.data(Qt::UserRole);
    if (QVariant::compare(a, b) != QPartialOrdering::Equivalent)
      return QSortFilterProxyModel::lessThan(left, right);
    const QString nameA = left.siblingAtColumn(StrengthTableModel::kTemplate).data().toString();
    const QString nameB = right.siblingAtColumn(StrengthTableModel::kTemplate).data().toString();
    // Descending sorts turn the order round: the names then compare the other way.
    return sortOrder() == Qt::AscendingOrder ? nameA < nameB : nameB < nameA;
  }
};

StrengthWindow::StrengthWindow(const QString& name, Strength strength, CatalogDate date,
                               Prompter& prompter, QWidget* owner)
    : QDialog(owner),
      name_(name),
      strength_(std::move(strength)),
      prompter_(prompter),
      table_(new StrengthTableModel(strength_, date, this)) {
  setObjectName(QStringLiteral("StrengthWindow"));
  setWindowTitle(tr("Strength of %1").arg(name));
  setAttribute(Qt::WA_DeleteOnClose);
  ResizeWithinScreen(*this, {640, 560});

  auto* summary = new QLabel(Summary(), this);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* table = new QTableView(this);
  auto* sorted = new TiesByName(table);
  sorted->setSourceModel(table_);
  sorted->setSortRole(Qt::UserRole);
  table->setModel(sorted);
  table->setSortingEnabled(true);
  table->sortByColumn(StrengthTableModel::kPlatoons, Qt::DescendingOrder);
  table->horizontalHeader()->setSectionResizeMode(StrengthTableModel::kTemplate,
                                                  QHeaderView::Stretch);
  table->horizontalHeader()->setSectionResizeMode(StrengthTableModel::kAvailable,
                                                  QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setDefault(true);
  QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
  QPushButton* exportCsv = buttons->addButton(tr("Export CSV..."), QDialogButtonBox::ActionRole);
  connect(copy, &QPushButton::clicked, this, &StrengthWindow::Copy);
  connect(exportCsv, &QPushButton::clicked, this, &StrengthWindow::ExportCsv);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(table, 1);
  layout->addWidget(buttons);
}

QString StrengthWindow::Summary() const {
  if (strength_.items == decltype(strength_.items){})
    return tr("<p>The organization is empty.</p>");
  QStringList echelons;
  for (int echelon = kEchelonCount - 1; echelon >= 0; --echelon)
    if (const std::int64_t count = strength_.items[echelon])
      echelons << QStringLiteral("%1 %2").arg(Number(count), EchelonWord(echelon, count));
  QStringList ratings;
  for (int rating = 0; rating < kCommandRatings; ++rating)
    ratings << QString::number(strength_.leadersByRating[rating]);
  QStringList nations;
  for (const NationValue& nation : strength_.nations)
    nations << QStringLiteral("%1 %2").arg(QString::fromLatin1(NationName(nation.nation).data()),
                                           Number(nation.value));
  QString platoons = Number(strength_.Platoons());
  if (strength_.unknownPlatoons)
    platoons +=
        tr(" (%1 without a template in the database)").arg(Number(strength_.unknownPlatoons));
  QString text = tr("<p><b>Items:</b> %1<br><b>Fielded units:</b> %2<br><b>Platoons:</b> %3<br>"
                    "<b>Leaders:</b> %4 (by command rating 1 to 5: %5)<br>")
                     .arg(echelons.join(QStringLiteral(", ")), Number(strength_.units), platoons,
                          Number(strength_.leaders), ratings.join(QStringLiteral(", ")));
  text += tr("<b>Morale:</b> lowest %1, highest %2, mean %3<br>")
              .arg(strength_.lowestMorale)
              .arg(strength_.highestMorale)
              .arg(strength_.meanMorale, 0, 'f', 1);
  text +=
      tr("<b>Value:</b> %1 (Axis %2, Allied %3)")
          .arg(Number(strength_.value), Number(strength_.axisValue), Number(strength_.alliedValue));
  if (!nations.isEmpty()) text += tr("<br><b>Value by nation:</b> %1").arg(nations.join(", "));
  return text + QStringLiteral("</p>");
}

// Tab-separated, as spreadsheets take a pasted table.
void StrengthWindow::Copy() const {
  QString text;
  for (const auto& row : table_->Rows()) {
    QStringList fields;
    for (const std::string& field : row)
      fields << QString::fromStdString(field);
    text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  QGuiApplication::clipboard()->setText(text);
}

// The file is named after the selection.
void StrengthWindow::ExportCsv() {
  const auto file = prompter_.SaveFile({.filter = tr("CSV Files (*.csv)"),
                                        .defaultExtension = QStringLiteral("csv"),
                                        .fileName = FileNameOf(name_, QStringLiteral("csv")),
                                        .fileMustExist = false,
                                        .overwritePrompt = true});
  if (!file) return;
  std::ofstream out(*file, std::ios::binary);
  for (const auto& row : table_->Rows())
    out << CsvRow(row);
  out.close();
  if (!out)
    prompter_.Message(tr("Unable to write %1").arg(QString::fromStdString(file->string())),
                      tr("Export Error"), MessageIcon::kExclamation, MessageButtons::kOk);
}

}  // namespace valdren
