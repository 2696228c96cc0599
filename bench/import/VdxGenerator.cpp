#include "VdxGenerator.h"

#include "DrawingGrid.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr double boxWidth = DrawingGrid::BoxWidth;
constexpr double boxHeight = DrawingGrid::BoxHeight;

QByteArray num(double v)
{
    return QByteArray::number(v, 'g', 10);
}

const char *header = R"(<?xml version='1.0' encoding='utf-8' ?>
<VisioDocument xmlns='urn:schemas-microsoft-com:office:visio'>
  <DocumentProperties>
    <Title>Synthetic benchmark drawing</Title>
    <Creator>plandraw-bench</Creator>
    <TimeCreated>2024-01-01T00:00:00</TimeCreated>
  </DocumentProperties>
  <Colors>
    <ColorEntry IX='0' RGB='#000000'/>
    <ColorEntry IX='1' RGB='#FFFFFF'/>
    <ColorEntry IX='2' RGB='#FFCC66'/>
    <ColorEntry IX='3' RGB='#1F3A93'/>
    <ColorEntry IX='4' RGB='#99CCFF'/>
  </Colors>
  <Fonts>
    <FontEntry ID='0' CharSet='0' PitchAndFamily='32' Attributes='23040' Name='Arial' Weight='0' Unicode='0'/>
  </Fonts>
  <StyleSheets>
    <StyleSheet ID='0' NameU='No Style'>
      <Line>
        <LineWeight>0.01</LineWeight>
        <LineColor>0</LineColor>
        <LinePattern>1</LinePattern>
        <Rounding>0</Rounding>
        <EndArrowSize>2</EndArrowSize>
        <BeginArrow>0</BeginArrow>
        <EndArrow>0</EndArrow>
        <LineCap>0</LineCap>
        <BeginArrowSize>2</BeginArrowSize>
        <LineColorTrans>0</LineColorTrans>
      </Line>
      <Fill>
        <FillForegnd>1</FillForegnd>
        <FillBkgnd>0</FillBkgnd>
        <FillPattern>1</FillPattern>
        <ShdwForegnd>0</ShdwForegnd>
        <ShdwBkgnd>1</ShdwBkgnd>
        <ShdwPattern>0</ShdwPattern>
        <FillForegndTrans>0</FillForegndTrans>
        <FillBkgndTrans>0</FillBkgndTrans>
      </Fill>
      <TextBlock>
        <LeftMargin>0.05</LeftMargin>
        <RightMargin>0.05</RightMargin>
        <TopMargin>0.05</TopMargin>
        <BottomMargin>0.05</BottomMargin>
        <VerticalAlign>1</VerticalAlign>
        <TextBkgnd>0</TextBkgnd>
      </TextBlock>
      <Char IX='0'>
        <Font>0</Font>
        <Color>0</Color>
        <Style>0</Style>
        <Size>0.1111111111111</Size>
      </Char>
      <Para IX='0'>
        <HorzAlign>1</HorzAlign>
      </Para>
    </StyleSheet>
  </StyleSheets>
  <Pages>
)";

void appendBox(QByteArray &out, int id, double x, double y, int label)
{
    // Visio pins are measured from the page's bottom-left corner.
    const QByteArray w = num(boxWidth), h = num(boxHeight);
    out += "      <Shape ID='" + QByteArray::number(id)
           + "' Type='Shape' LineStyle='0' FillStyle='0' TextStyle='0'>\n"
             "        <XForm><PinX>" + num(x + boxWidth / 2) + "</PinX><PinY>" + num(y + boxHeight / 2)
           + "</PinY><Width>" + w + "</Width><Height>" + h + "</Height><LocPinX>"
           + num(boxWidth / 2) + "</LocPinX><LocPinY>" + num(boxHeight / 2)
           + "</LocPinY><Angle>0</Angle><FlipX>0</FlipX><FlipY>0</FlipY></XForm>\n"
             "        <Line><LineWeight>0.0138889</LineWeight><LineColor>3</LineColor><LinePattern>1</LinePattern></Line>\n"
             "        <Fill><FillForegnd>" + QByteArray(label % 2 ? "2" : "4")
           + "</FillForegnd><FillPattern>1</FillPattern></Fill>\n"
             "        <Geom IX='0'><NoFill>0</NoFill><NoLine>0</NoLine><NoShow>0</NoShow><NoSnap>0</NoSnap>"
             "<MoveTo IX='1'><X>0</X><Y>0</Y></MoveTo>"
             "<LineTo IX='2'><X>" + w + "</X><Y>0</Y></LineTo>"
             "<LineTo IX='3'><X>" + w + "</X><Y>" + h + "</Y></LineTo>"
             "<LineTo IX='4'><X>0</X><Y>" + h + "</Y></LineTo>"
             "<LineTo IX='5'><X>0</X><Y>0</Y></LineTo></Geom>\n"
             "        <Text>Box " + QByteArray::number(label) + "</Text>\n"
             "      </Shape>\n";
}

void appendArrow(QByteArray &out, int id, double x1, double x2, double y)
{
    const double length = x2 - x1;
    out += "      <Shape ID='" + QByteArray::number(id)
           + "' Type='Shape' LineStyle='0' FillStyle='0' TextStyle='0'>\n"
             "        <XForm><PinX>" + num((x1 + x2) / 2) + "</PinX><PinY>" + num(y)
           + "</PinY><Width>" + num(length) + "</Width><Height>0</Height><LocPinX>"
           + num(length / 2) + "</LocPinX><LocPinY>0</LocPinY><Angle>0</Angle><FlipX>0</FlipX><FlipY>0</FlipY></XForm>\n"
             "        <XForm1D><BeginX>" + num(x1) + "</BeginX><BeginY>" + num(y) + "</BeginY><EndX>"
           + num(x2) + "</EndX><EndY>" + num(y) + "</EndY></XForm1D>\n"
             "        <Line><LineWeight>0.0138889</LineWeight><LineColor>0</LineColor><LinePattern>1</LinePattern>"
             "<EndArrow>5</EndArrow><EndArrowSize>2</EndArrowSize></Line>\n"
             "        <Geom IX='0'><NoFill>1</NoFill><NoLine>0</NoLine><NoShow>0</NoShow><NoSnap>0</NoSnap>"
             "<MoveTo IX='1'><X>0</X><Y>0</Y></MoveTo>"
             "<LineTo IX='2'><X>" + num(length) + "</X><Y>0</Y></LineTo></Geom>\n"
             "      </Shape>\n";
}

} // namespace

QByteArray VdxGenerator::generate(int pageCount, int shapesPerPage)
{
    pageCount = std::clamp(pageCount, 1, MaxPages);
    shapesPerPage = std::clamp(shapesPerPage, 1, MaxShapesPerPage);
    const DrawingGrid grid(shapesPerPage);

    QByteArray out;
    out.reserve(qsizetype(pageCount) * shapesPerPage * 900 + 4096);
    out += header;
    for (int p = 0; p < pageCount; ++p) {
        out += "    <Page ID='" + QByteArray::number(p) + "' NameU='Page-" + QByteArray::number(p + 1)
               + "'>\n      <PageSheet LineStyle='0' FillStyle='0' TextStyle='0'>\n"
                 "        <PageProps><PageWidth Unit='IN'>" + num(grid.pageSize().width())
               + "</PageWidth><PageHeight Unit='IN'>" + num(grid.pageSize().height())
               + "</PageHeight><PageScale Unit='IN_F'>1</PageScale><DrawingScale Unit='IN_F'>1</DrawingScale>"
                 "<DrawingSizeType>0</DrawingSizeType><DrawingScaleType>0</DrawingScaleType></PageProps>\n"
                 "      </PageSheet>\n      <Shapes>\n";
        int id = 1;
        for (const DrawingGrid::Item &item : grid.items()) {
            if (item.arrow)
                appendArrow(out, id++, item.x, item.x2, item.y);
            else
                appendBox(out, id++, item.x, item.y, item.label);
        }
        out += "      </Shapes>\n    </Page>\n";
    }
    out += "  </Pages>\n</VisioDocument>\n";
    return out;
}

bool VdxGenerator::writeFile(const QString &path, int pageCount, int shapesPerPage)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = generate(pageCount, shapesPerPage);
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}
