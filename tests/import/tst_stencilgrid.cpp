#include "VisioImporter.h"
#include "VisioStencilGrid.h"

#include <QDir>
#include <QtTest>

namespace {

VisioPage master(const QString &name, const QRectF &extent)
{
    VisioPage page;
    page.name = name;
    page.pageSize = QSizeF(8.5, 11);
    VisioShape shape;
    shape.path.addRect(extent);
    shape.style.strokeWidth = 0.02;
    page.shapes.append(shape);
    VisioText label;
    label.text = name + QStringLiteral(" inside");
    label.bounds = extent;
    label.font.setPointSizeF(10);
    page.texts.append(label);
    return page;
}

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR "/../more-visio")).filePath(name);
}

QStringList texts(const VisioDocumentModel &model)
{
    QStringList all;
    for (const VisioPage &page : model.pages) {
        for (const VisioText &text : page.texts)
            all << text.text;
    }
    return all;
}

} // namespace

class TestStencilGrid : public QObject
{
    Q_OBJECT

private slots:
    void oneCellPerMasterWithItsName();
    void realStencils();
    void aStencilWithoutMastersSaysSo();
};

void TestStencilGrid::oneCellPerMasterWithItsName()
{
    VisioDocumentModel masters;
    masters.fileName = QStringLiteral("shapes.vssx");
    // A large master, a tiny one, and enough to need a second sheet.
    masters.pages.append(master(QStringLiteral("Big"), QRectF(3, 4, 6, 3)));
    masters.pages.append(master(QStringLiteral("Tiny"), QRectF(0, 0, 0.01, 0.01)));
    for (int i = 2; i < VisioStencilGrid::cellsPerSheet + 1; ++i)
        masters.pages.append(master(QStringLiteral("M%1").arg(i + 1), QRectF(0, 0, 1, 1)));

    const VisioDocumentModel grid = VisioStencilGrid::arrange(masters);
    QCOMPARE(grid.fileName, masters.fileName);
    QCOMPARE(grid.pages.size(), 2);
    QCOMPARE(grid.pages.at(1).texts.size(), 2); // one master: its label and its text
    const QStringList all = texts(grid);
    for (const VisioPage &page : masters.pages)
        QVERIFY2(all.contains(page.name), qPrintable(page.name));

    // The big master shrinks into its cell, lines and letters with it.
    const VisioPage &sheet = grid.pages.at(0);
    const QRectF cell = sheet.shapes.at(0).path.boundingRect(); // its frame
    const VisioShape &big = sheet.shapes.at(1);
    QVERIFY(cell.contains(big.path.boundingRect()));
    const double scale = big.path.boundingRect().width() / 6.0;
    QVERIFY(scale < 0.5);
    QCOMPARE(big.style.strokeWidth, 0.02 * scale);
    QCOMPARE(sheet.texts.at(0).font.pointSizeF(), 10 * scale);
    // The tiny one grows, but only so far.
    const QRectF tiny = sheet.shapes.at(3).path.boundingRect();
    QCOMPARE(tiny.width(), 0.01 * VisioStencilGrid::maxScale);
    // Names sit under their drawings.
    QVERIFY(sheet.texts.at(1).bounds.top() >= big.path.boundingRect().bottom());

    const VisioDocumentModel empty = VisioStencilGrid::arrange(VisioDocumentModel());
    QCOMPARE(empty.pages.size(), 1);
    QCOMPARE(empty.pages.at(0).texts.size(), 1);
}

void TestStencilGrid::realStencils()
{
    const QString k8s = fixture(QStringLiteral("k8s-kubernetes-visio-stencil.vssx"));
    const QString users = fixture(QStringLiteral("ibm-Users.vss"));
    const QString template_ = fixture(QStringLiteral("tika-testVISIO.vstm"));
    if (!QFileInfo::exists(k8s) || !QFileInfo::exists(users) || !QFileInfo::exists(template_))
        QSKIP("The more-visio samples are not there.");

    // Masters that are bare pictures come out of libvisio empty.
    const VisioImporter::Result icons = VisioImporter::importFile(k8s);
    QCOMPARE(icons.outcome, VisioImporter::Loaded);
    QCOMPARE(icons.model.pages.size(), 2);
    int pictures = 0;
    for (const VisioPage &page : icons.model.pages)
        pictures += int(page.images.size());
    QCOMPARE(pictures, 40);
    QVERIFY(texts(icons.model).contains(QStringLiteral("etcd-256")));

    const VisioImporter::Result binary = VisioImporter::importFile(users);
    QCOMPARE(binary.outcome, VisioImporter::Loaded);
    QCOMPARE(binary.model.pages.size(), 1);
    QVERIFY(texts(binary.model).contains(QStringLiteral("OFFLINE CAPABILITIES")));

    // A template is a drawing: its page, not its masters.
    const VisioImporter::Result drawing = VisioImporter::importFile(template_);
    QCOMPARE(drawing.outcome, VisioImporter::Loaded);
    QVERIFY(texts(drawing.model).join(QLatin1Char(' ')).contains(QStringLiteral("This is a test")));
}

// libvisio reads such a stencil as a drawing of one blank page; a drawing
// of one blank page stays one.
void TestStencilGrid::aStencilWithoutMastersSaysSo()
{
    const QByteArray blank =
        "<?xml version='1.0' encoding='utf-8'?>\n<VisioDocument "
        "xmlns='http://schemas.microsoft.com/visio/2003/core'><Pages><Page ID='0' NameU='Page-1'>"
        "<PageSheet><PageProps><PageWidth>8.5</PageWidth><PageHeight>11</PageHeight></PageProps>"
        "</PageSheet></Page></Pages></VisioDocument>\n";
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("empty.vss"), QStringLiteral("empty.vdx")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(blank) == blank.size());
    }
    const VisioImporter::Result stencil = VisioImporter::importFile(dir.filePath(QStringLiteral("empty.vss")));
    QCOMPARE(stencil.outcome, VisioImporter::Loaded);
    QCOMPARE(texts(stencil.model), texts(VisioStencilGrid::arrange(VisioDocumentModel())));
    const VisioImporter::Result drawing = VisioImporter::importFile(dir.filePath(QStringLiteral("empty.vdx")));
    QCOMPARE(drawing.outcome, VisioImporter::Loaded);
    QCOMPARE(drawing.model.pages.size(), 1);
    QVERIFY(texts(drawing.model).isEmpty());
}

QTEST_MAIN(TestStencilGrid)
#include "tst_stencilgrid.moc"
