#include "app/ChartExport.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <cmath>

#include "base/AtomicFile.h"
#include "gui/PathText.h"

namespace valdren {

namespace {

// The largest page PDF readers take, in points: 200 inches.
constexpr double kMaxPdfSide = 14400;
// CSS pixels to points.
constexpr double kPointsPerPixel = 0.75;

std::optional<QByteArray> Png(QSvgRenderer& renderer, const RasterSettings& raster) {
  const QSize size = RasterSize(renderer.defaultSize(), raster.scale);
  QImage image(size,
               raster.transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  image.fill(raster.transparent ? Qt::transparent : Qt::white);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  renderer.render(&painter, QRectF(QPointF(), size));
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return std::nullopt;
  return bytes;
}

// One page of the chart's size, or smaller in the same proportions where PDF cannot take it.
QByteArray Pdf(QSvgRenderer& renderer, const QString& title) {
  QSizeF page = QSizeF(renderer.defaultSize()) * kPointsPerPixel;
  page *= std::min(1.0, kMaxPdfSide / std::max(page.width(), page.height()));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Valdren Organization Editor"));
    writer.setPageSize(QPageSize(page, QPageSize::Point));
    writer.setPageMargins({});
    QPainter painter(&writer);
    renderer.render(&painter, QRectF(0, 0, writer.width(), writer.height()));
  }
  return bytes;
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const std::filesystem::path& file) {
  const QString extension = PathText(file.extension()).toLower();
  if (extension == QLatin1String(".svg")) return ChartFormat::kSvg;
  if (extension == QLatin1String(".png")) return ChartFormat::kPng;
  if (extension == QLatin1String(".pdf")) return ChartFormat::kPdf;
  return std::nullopt;
}

QSize RasterSize(QSizeF chart, int scale) {
  return {static_cast<int>(std::ceil(chart.width() * scale)),
          static_cast<int>(std::ceil(chart.height() * scale))};
}

bool RasterFits(QSize size) {
  return size.width() <= kMaxRasterSide && size.height() <= kMaxRasterSide &&
         qint64{size.width()} * size.height() <= kMaxRasterPixels;
}

std::optional<QString> ExportChart(const std::string& svg, const QString& title,
                                   const std::filesystem::path& file,
                                   const RasterSettings& raster) {
  const std::optional<ChartFormat> format = ChartFormatOf(file);
  if (!format) return QObject::tr("A chart is saved as .svg, .png or .pdf");
  const QByteArray text = QByteArray::fromStdString(svg);
  QSvgRenderer renderer(text);
  QByteArray bytes = text;
  if (format == ChartFormat::kPng) {
    if (!RasterFits(RasterSize(renderer.defaultSize(), raster.scale)))
      return QObject::tr("The picture would be larger than %L1 pixels a side or %L2 megapixels")
          .arg(kMaxRasterSide)
          .arg(kMaxRasterPixels / 1'000'000);
    const std::optional<QByteArray> png = Png(renderer, raster);
    if (!png) return QObject::tr("Not enough memory for the picture");
    bytes = *png;
  } else if (format == ChartFormat::kPdf) {
    bytes = Pdf(renderer, title);
  }
  const AtomicWrite written = WriteAtomically(file, [&bytes](std::ostream& out) {
    return !out.write(bytes.constData(), bytes.size()).fail();
  });
  if (written == AtomicWrite::kDone) return std::nullopt;
  const std::string_view message = AtomicWriteMessage(written);
  return QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
}

}  // namespace valdren
