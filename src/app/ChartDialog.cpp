#include "app/ChartDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ChartExport.h"
#include "app/ChartPreview.h"
#include "app/Prompter.h"
#include "chart/ChartSvg.h"
#include "gui/GameText.h"
#include "gui/PathText.h"
#include "gui/ScreenSize.h"
#include "gui/WaitCursor.h"
#include "org/OrgFile.h"
#include "org/OrgSubtree.h"
#include "org/Strength.h"

namespace valdren {

namespace {

// The item with its subtree, or the whole organization, as an organization of its own.
OrgRoot CopyOf(const OrgItem* selected, const OrgRoot& organization) {
  OrgRoot copy;
  if (!selected) {
    ReadOrganization(copy, WriteOrganization(organization));
    return copy;
  }
  auto read = ReadSubtree(WriteSubtree(*selected), copy);
  if (auto* item = std::get_if<std::unique_ptr<OrgItem>>(&read))
    copy.items.Append(std::move(*item));
  return copy;
}

QString Number(qint64 number) {
  return QString::fromStdString(WithThousands(number));
}

}  // namespace

ChartDialog::ChartDialog(const OrgItem* selected, const OrgRoot& organization,
                         const OobDatabase& database, Prompter& prompter, QWidget* owner)
    : QDialog(owner),
      copy_(CopyOf(selected, organization)),
      whole_(selected == nullptr || copy_.items.Size() == 0),
      name_(whole_ ? tr("the organization") : FromGameText(selected->name.View())),
      database_(database),
      prompter_(prompter),
      depth_(new QSpinBox(this)),
      scale_(new QSpinBox(this)),
      transparent_(new QCheckBox(tr("&Transparent background"), this)),
      pixels_(new QLabel(this)),
      said_(new QLabel(this)),
      preview_(new ChartPreview) {
  setObjectName(QStringLiteral("ChartDialog"));
  setWindowTitle(tr("Chart of %1").arg(name_));
  setAttribute(Qt::WA_DeleteOnClose);
  ResizeWithinScreen(*this, {900, 640});

  depth_->setRange(0, kMaxOrgDepth);
  depth_->setValue(kDefaultChartDepth);
  depth_->setToolTip(tr("Levels of boxes below the top one; what lies below them is counted"));
  scale_->setRange(1, 8);
  scale_->setSuffix(QStringLiteral(" \u00d7"));
  scale_->setToolTip(tr("Pixels of a PNG to one of the chart"));
  auto* settings = new QFormLayout;
  settings->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  settings->addRow(tr("&Depth:"), depth_);
  settings->addRow(tr("PNG sca&le:"), scale_);
  settings->addRow(QString(), transparent_);
  settings->addRow(QString(), pixels_);

  auto* area = new QScrollArea(this);
  area->setWidget(preview_);
  area->setAlignment(Qt::AlignCenter);
  area->setBackgroundRole(QPalette::Dark);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Save)->setText(tr("&Save..."));
  const auto zoom = [this, buttons](const QString& text, auto action) {
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
  };
  zoom(tr("Zoom &In"), [this] { preview_->SetZoom(preview_->Zoom() * 1.25); });
  zoom(tr("Zoom &Out"), [this] { preview_->SetZoom(preview_->Zoom() / 1.25); });
  zoom(tr("&Fit"), [this, area] { preview_->Fit(area->viewport()->size()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &ChartDialog::Save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(settings);
  layout->addWidget(area, 1);
  layout->addWidget(said_);
  layout->addWidget(buttons);

  connect(depth_, &QSpinBox::valueChanged, this, &ChartDialog::Redraw);
  connect(scale_, &QSpinBox::valueChanged, this, &ChartDialog::ShowPixelSize);
  Redraw();
  // Once laid out, the chart fits the area it has.
  QTimer::singleShot(0, this, [this, area] { preview_->Fit(area->viewport()->size()); });
}

ChartDialog::~ChartDialog() = default;

void ChartDialog::Redraw() {
  const int depth = depth_->value();
  chart_ = whole_ ? MakeChart(copy_, database_, depth)
                  : MakeChart(*copy_.items.First()->item, database_, depth);
  svg_ = ChartSvg(chart_);
  preview_->Load(QByteArray::fromStdString(svg_));
  ShowPixelSize();
}

QString ChartDialog::PixelSize() const {
  return pixels_->text();
}

void ChartDialog::ShowPixelSize() {
  const QSize size = RasterSize({chart_.width, chart_.height}, scale_->value());
  QString text = tr("PNG: %1 \u00d7 %2 pixels").arg(Number(size.width()), Number(size.height()));
  if (!RasterFits(size))
    text += tr(", larger than a PNG may be (%1 pixels a side, %2 megapixels): choose a smaller "
               "scale or depth, or save as SVG or PDF")
                .arg(Number(kMaxRasterSide), Number(kMaxRasterPixels / 1'000'000));
  pixels_->setText(text);
}

void ChartDialog::Save() {
  const auto file = prompter_.SaveFile(
      {.filter = tr("SVG Images (*.svg);;PNG Images (*.png);;PDF Documents (*.pdf)"),
       .defaultExtension = QStringLiteral("svg"),
       .fileName = FileNameOf(whole_ ? tr("Organization") : name_, QStringLiteral("svg")),
       .fileMustExist = false,
       .overwritePrompt = true});
  if (!file) return;
  std::optional<QString> failure;
  {
    WaitCursor wait;
    failure = ExportChart(svg_, windowTitle(), *file, {scale_->value(), transparent_->isChecked()});
  }
  if (failure) {
    said_->clear();
    prompter_.Message(tr("Unable to write %1\n%2").arg(PathText(*file), *failure),
                      tr("Export Error"), MessageIcon::kExclamation, MessageButtons::kOk);
    return;
  }
  said_->setText(tr("Saved %1").arg(PathText(*file)));
}

}  // namespace valdren
