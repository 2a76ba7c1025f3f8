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
#include "base/Windows1252.h"
#include "catalog/CatalogTexts.h"
#include "gui/GameText.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"
#include "oob/PlatoonTemplate.h"

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

StrengthWindow::StrengthWindow(const QString& name, Strength strength, Prompter& prompter,
                               QWidget* owner)
    : QDialog(owner), strength_(std::move(strength)), prompter_(prompter) {
  setObjectName(QStringLiteral("StrengthWindow"));
  setWindowTitle(tr("Strength of %1").arg(name));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(640, 560);

  auto* summary = new QLabel(Summary(), this);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* table = new QTableView(this);
  auto* sorted = new QSortFilterProxyModel(table);
  sorted->setSourceModel(new StrengthTableModel(strength_, sorted));
  sorted->setSortRole(Qt::UserRole);
  table->setModel(sorted);
  table->setSortingEnabled(true);
  table->sortByColumn(StrengthTableModel::kPlatoons, Qt::DescendingOrder);
  table->horizontalHeader()->setSectionResizeMode(StrengthTableModel::kTemplate,
                                                  QHeaderView::Stretch);
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
  QString text = tr("<p><b>Items:</b> %1<br><b>Units the game fields:</b> %2<br>"
                    "<b>Platoons:</b> %3 (%4 of templates missing from the database)<br>"
                    "<b>Leaders:</b> %5 (by command rating 1 to 5: %6)<br>"
                    "<b>Morale:</b> lowest %7, highest %8, mean %9<br>")
                     .arg(echelons.isEmpty() ? tr("none") : echelons.join(QStringLiteral(", ")),
                          Number(strength_.units), Number(strength_.Platoons()),
                          Number(strength_.unknownPlatoons), Number(strength_.leaders),
                          ratings.join(QStringLiteral(", ")))
                     .arg(strength_.lowestMorale)
                     .arg(strength_.highestMorale)
                     .arg(strength_.meanMorale, 0, 'f', 1);
  text +=
      tr("<b>Value:</b> %1 (Axis %2, Allied %3)%4</p>")
          .arg(Number(strength_.value), Number(strength_.axisValue), Number(strength_.alliedValue),
               nations.isEmpty() ? QString() : QStringLiteral("<br>") + nations.join(", "));
  return text;
}

std::vector<std::vector<std::string>> StrengthWindow::Table() const {
  std::vector<std::vector<std::string>> rows = {{"Template", "Platoons", "Catalog value", "Value"}};
  for (const TemplateStrength& row : strength_.templates) {
    const std::string name = row.unit ? Windows1252ToUtf8(row.unit->name.View())
                                      : "Unknown (P" + std::to_string(row.reference) + ")";
    rows.push_back({name, std::to_string(row.count),
                    row.valued ? std::to_string(row.unit->catalogValue) : std::string(),
                    row.valued ? std::to_string(row.value) : std::string()});
  }
  return rows;
}

// Tab-separated, as spreadsheets take a pasted table.
void StrengthWindow::Copy() const {
  QString text;
  for (const auto& row : Table()) {
    QStringList fields;
    for (const std::string& field : row)
      fields << QString::fromStdString(field);
    text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  QGuiApplication::clipboard()->setText(text);
}

void StrengthWindow::ExportCsv() {
  const auto file = prompter_.SaveFile({.filter = tr("CSV Files (*.csv)"),
                                        .defaultExtension = QStringLiteral("csv"),
                                        .fileName = QStringLiteral("strength.csv"),
                                        .fileMustExist = false,
                                        .overwritePrompt = true});
  if (!file) return;
  std::ofstream out(*file, std::ios::binary);
  for (const auto& row : Table())
    out << CsvRow(row);
  out.close();
  if (!out)
    prompter_.Message(tr("Unable to write %1").arg(QString::fromStdString(file->string())),
                      tr("Export Error"), MessageIcon::kExclamation, MessageButtons::kOk);
}

}  // namespace valdren
