#include "app/OrgClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/CreatedTree.h"
#include "app/OrgEditing.h"
#include "app/Prompter.h"
#include "gui/GameText.h"
#include "org/OrgSubtree.h"

namespace valdren {

OrgClipboard::OrgClipboard(OrgEditing& editing, CreatedTree& tree, Prompter& prompter,
                           QObject* parent)
    : QObject(parent), editing_(editing), tree_(tree), prompter_(prompter) {}

void OrgClipboard::Copy() {
  const OrgItem* item = tree_.Selection();
  if (!item) return;
  const std::string lines = WriteSubtree(*item);
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kMimeType), QByteArray::fromStdString(lines));
  // Other programs get the lines as text, with the line ends of this system.
  QString text = FromGameText(lines);
#ifndef Q_OS_WIN
  text.remove(QLatin1Char('\r'));
#endif
  data->setText(text);

  QGuiApplication::clipboard()->setMimeData(data);
}

void OrgClipboard::Cut() {
  OrgItem* item = tree_.Selection();
  if (!item) return;
  Copy();
  editing_.Delete(*item, tr("Cut Unit or Organization"));
}

void OrgClipboard::Paste() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString type = QString::fromLatin1(kMimeType);
  std::string lines;
  if (data && data->hasFormat(type))
    lines = data->data(type).toStdString();
  else if (data && data->hasText())
    lines = ToGameText(data->text());
  // A unit line stands for its platoon.
  const OrgItem* selected = tree_.SelectedRow();
  if (std::unique_ptr<OrgItem> item = Read(lines, tr("Paste"))) {
    const OrgPlace place = PastePlace(editing_.Organization(), selected, *item);
    editing_.Insert(std::move(item), place, tr("Paste Unit or Organization"));
    if (selected && selected->parent && !place.parent)
      Q_EMIT Said(tr("Pasted at the end: it cannot go into %1")
                      .arg(FromGameText(selected->parent->name.View())));
  }
}

// A copy right after the item, the clipboard left alone.
void OrgClipboard::Duplicate() {
  const OrgItem* original = tree_.Selection();
  if (!original) return;
  if (std::unique_ptr<OrgItem> item = Read(WriteSubtree(*original), tr("Duplicate"))) {
    const OrgPlace place = editing_.Organization().PlaceOf(*original);
    editing_.Insert(std::move(item), {place.parent, place.index + 1},
                    tr("Duplicate Unit or Organization"));
  }
}

std::unique_ptr<OrgItem> OrgClipboard::Read(const std::string& lines, const QString& caption) {
  QString refusal;
  std::unique_ptr<OrgItem> item;
  if (lines.find_first_not_of(" \t\r\n") == std::string::npos) {
    refusal = tr("The clipboard holds no unit or organization.");
  } else {
    auto read = ReadSubtree(lines, editing_.Organization());
    if (auto* got = std::get_if<std::unique_ptr<OrgItem>>(&read))
      item = std::move(*got);
    else if (std::get<SubtreeRefusal>(read) == SubtreeRefusal::kTooLarge)
      refusal = tr("The unit or organization is larger than an organization file can hold.");
    else
      refusal = tr("The clipboard's text does not read as a unit or organization.");
  }
  if (!item) prompter_.Message(refusal, caption, MessageIcon::kExclamation, MessageButtons::kOk);
  return item;
}

}  // namespace valdren
