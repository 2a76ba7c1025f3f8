#include "app/OrgEditing.h"

#include "app/Commands.h"
#include "app/OrgCommands.h"
#include "builder/Builder.h"
#include "builder/UserBuilder.h"
#include "gui/GameText.h"
#include "gui/WaitCursor.h"
#include "oob/UnitTemplate.h"
#include "org/OrgFile.h"

namespace valdren {

OrgEditing::OrgEditing(const OobDatabase& database, const TreeImageList& images, QObject* parent)
    : QObject(parent), model_(organization_, database, images) {
  // A name typed into the tree is a rename like any other.
  connect(&model_, &CreatedItemModel::RenameRequested, this,
          [this](OrgItem* item, const QString& name) { Rename(*item, name); });
  connect(this, &OrgEditing::DateChanged, &model_, &CreatedItemModel::DateChanged);
}

void OrgEditing::Push(QUndoCommand* command) {
  history_.push(command);
  Q_EMIT Changed();
}

const OrgItem* OrgEditing::Build(const UnitTemplate& unit, const NameLists& names,
                                 UserChoices* choices) {
  Builder builder(*building_, names, organization_.month, organization_.year);
  std::unique_ptr<OrgItem> built;
  if (choices) {
    built = UserBuilder(builder, *choices).InstantiateByUser(unit, "", nullptr, std::nullopt);
  } else {
    WaitCursor wait;
    built = builder.Instantiate(unit, "", nullptr, std::nullopt);
  }
  if (!built) return nullptr;
  const OrgItem* item = built.get();
  OwningItemList<OrgItem> items;
  items.Append(std::move(built));
  Push(new AddItemsCommand(*this, std::move(items), unit.Morale(), tr("Add Unit or Organization")));
  return item;
}

OrgFileStatus OrgEditing::Load(const std::filesystem::path& file) {
  OrgRoot read;
  OrgFileStatus status;
  {
    WaitCursor wait;
    status = LoadOrganization(read, file);
  }
  readWhole_ = status == OrgFileStatus::kDone && read.version == 1;
  if (status != OrgFileStatus::kUnableToOpen) Replace(std::move(read));
  return status;
}

// Whatever was read before a fault is appended.
OrgFileStatus OrgEditing::Append(const std::filesystem::path& file) {
  OrgRoot appended;
  const OrgFileStatus status = LoadOrganization(appended, file);
  if (status != OrgFileStatus::kUnableToOpen)
    Push(new AddItemsCommand(*this, std::move(appended.items), std::nullopt, tr("Append")));
  return status;
}

void OrgEditing::ChangeDate(CatalogDate date) {
  Push(new ChangeDateCommand(*this, date.month, date.year, tr("Change Date")));
}

void OrgEditing::Rename(OrgItem& item, const QString& name) {
  Push(new RenameItemCommand(*this, item, String(ToGameText(name)),
                             tr("Rename Unit or Organization")));
}

void OrgEditing::SetMorale(OrgItem& item, int morale) {
  WaitCursor wait;
  Push(new SubtreeValueCommand(*this, item, SubtreeValueCommand::Value::kMorale, morale,
                               tr("Change Morale of Unit or Organization")));
}

void OrgEditing::SetCommandRating(OrgItem& item, int rating) {
  WaitCursor wait;
  Push(new SubtreeValueCommand(*this, item, SubtreeValueCommand::Value::kCommandRating, rating,
                               tr("Change Command Rating of Leaders")));
}

void OrgEditing::Move(OrgItem& item, int command) {
  const OrgPlace to = command == kMoveUp      ? organization_.MoveUpPlace(item)
                      : command == kMoveDown  ? organization_.MoveDownPlace(item)
                      : command == kMoveToTop ? organization_.MoveToTopPlace(item)
                                              : organization_.MoveToBottomPlace(item);
  const std::string_view text = CommandTextOf(command).menuText;
  Push(new MoveItemCommand(*this, item, to,
                           QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                               .remove(QLatin1Char('&'))));
}

void OrgEditing::Delete(OrgItem& item, const QString& step) {
  Push(new DeleteItemCommand(*this, item,
                             step.isEmpty() ? tr("Delete Unit or Organization") : step));
}

OrgItem& OrgEditing::Insert(std::unique_ptr<OrgItem> item, OrgPlace place, const QString& step) {
  auto* command = new InsertItemCommand(*this, std::move(item), place, step);
  Push(command);
  return command->Item();
}

bool OrgEditing::Raise(OrgItem& item) {
  const std::optional<OrgPlace> to = organization_.RaisePlace(item);
  if (to) Push(new MoveItemCommand(*this, item, *to, tr("Raise Unit in Organization")));
  return to.has_value();
}

bool OrgEditing::Lower(OrgItem& item) {
  const std::optional<OrgPlace> to = organization_.LowerPlace(item);
  if (to) Push(new MoveItemCommand(*this, item, *to, tr("Lower Unit in Organization")));
  return to.has_value();
}

void OrgEditing::Undo() {
  if (!history_.canUndo()) return;
  history_.undo();
  Q_EMIT Changed();
}

void OrgEditing::Redo() {
  if (!history_.canRedo()) return;
  history_.redo();
  Q_EMIT Changed();
}

void OrgEditing::Replace(OrgRoot replacement) {
  WaitCursor wait;
  history_.clear();
  model_.Replace(std::move(replacement));
}

}  // namespace valdren
