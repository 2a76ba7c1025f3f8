// Export Chart: the window over the selection, its preview and pixel size, and the three
// formats it writes through the file question.
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>

#include "MainFrameFixture.h"
#include "app/ChartDialog.h"
#include "app/ChartExport.h"
#include "app/ChartPreview.h"
#include "app/Commands.h"

namespace valdren {
namespace {

class ChartExportTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }
  ChartDialog* OpenChart(std::initializer_list<int> rows) {
    frame->Created()->setCurrentIndex(Created(rows));
    frame->Commands().ExportChart()->trigger();
    return frame->findChild<ChartDialog*>();
  }
  // The frames and count lines of a chart that must read as XML.
  static std::pair<int, int> BoxesAndCounts(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int boxes = 0;
    int counts = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == u"rect" && xml.attributes().hasAttribute("stroke")) ++boxes;
      if (xml.name() == u"text" && xml.readElementText().contains(u'\u00d7')) ++counts;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return {boxes, counts};
  }
};

// The division's seven subordinate groups, and two levels down the nineteen groups below them
// (two battalions of tanks, four of the rifle regiment, four of artillery, three companies of
// each separate battalion). Every box counts something: its leader, at the least.
TEST_F(ChartExportTest, TheWindowPreviewsTheDivisionAndWritesSvgPngAndPdf) {
  ChartDialog* dialog = OpenChart({0});
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Chart of 16. Panzer-Division");
  EXPECT_TRUE(dialog->Preview().Renderer().isValid());
  const auto [boxes, counts] = BoxesAndCounts(dialog->Svg());
  EXPECT_EQ(boxes, 27);
  EXPECT_GE(counts, 27);
  // The copy stays whole when the division goes from the organization.
  prompter.answers = {MessageAnswer::kOk};
  Trigger(kDelete);
  dialog->Depth()->setValue(1);
  EXPECT_EQ(BoxesAndCounts(dialog->Svg()).first, 8);
  const QSize chart = dialog->Preview().Renderer().defaultSize();

  const double zoom = dialog->Preview().Zoom();
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == "Zoom &In") button->click();
  EXPECT_DOUBLE_EQ(dialog->Preview().Zoom(), zoom * 1.25);

  prompter.files = {PathOf("division.svg"), PathOf("division.png"), PathOf("division.pdf")};
  dialog->Save();
  EXPECT_EQ(prompter.dialogs.back().fileName, "16. Panzer-Division.svg");
  EXPECT_EQ(folder.Read("division.svg"), dialog->Svg());
  dialog->Scale()->setValue(2);
  dialog->Transparent()->setChecked(true);
  const QLocale english(QLocale::English);
  EXPECT_EQ(dialog->PixelSize(),
            QString("PNG: %1 \u00d7 %2 pixels")
                .arg(english.toString(chart.width() * 2), english.toString(chart.height() * 2)));
  dialog->Save();
  const QImage png(QString::fromStdString(PathOf("division.png").string()));
  EXPECT_EQ(png.size(), chart * 2);
  EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(png.pixel(png.width() / 2, 24 * 2 + 10)), 255);  // in the top box
  dialog->Save();
  const std::string pdf = folder.Read("division.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  std::size_t pages = 0;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page\n", at)) != std::string::npos; ++at)
    ++pages;
  EXPECT_EQ(pages, 1u);
  EXPECT_EQ(prompter.Captions(), QStringList({"Confirm Deletion", "Save", "Save", "Save"}));
}

// The whole organization to every depth is wider than a PNG may be: the window says so before,
// and refuses after the name is given, as it refuses a name it cannot write; neither leaves a file.
TEST_F(ChartExportTest, APictureTooLargeOrAFileUnwritableIsRefusedWithAMessage) {
  ChartDialog* dialog = OpenChart({});
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Chart of the organization");
  dialog->Depth()->setValue(9);
  dialog->Scale()->setValue(dialog->Scale()->maximum());
  EXPECT_TRUE(dialog->PixelSize().contains("larger than a PNG may be"))
      << dialog->PixelSize().toStdString();
  std::filesystem::create_directory(PathOf("taken.svg"));
  prompter.files = {PathOf("all.png"), PathOf("taken.svg"), PathOf("all.txt")};
  for (int i = 0; i < 3; ++i)
    dialog->Save();
  EXPECT_EQ(prompter.Captions(),
            QStringList({"Save", "Export Error", "Save", "Export Error", "Save", "Export Error"}));
  EXPECT_TRUE(prompter.asked[3].text.endsWith("Unable to open file"));
  EXPECT_FALSE(std::filesystem::exists(PathOf("all.png")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("all.txt")));
  for (const auto& [size, fits] : {std::pair{QSize(16384, 3906), true},
                                   {QSize(16385, 1), false},
                                   {QSize(1, 16385), false},
                                   {QSize(16384, 3907), false}})
    EXPECT_EQ(RasterFits(size), fits) << size.width() << " " << size.height();
}

}  // namespace
}  // namespace valdren
