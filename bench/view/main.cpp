// Times opening a document tab and searching it, on a generated drawing of
// 20 pages with 500 labelled boxes each (about 10,000 text items).
// Usage: plandraw-bench-view [runs]

#include "DocumentTabWidget.h"
#include "OffscreenArguments.h"
#include "ThumbnailPanel.h"
#include "VisioDocumentModel.h"
#include "VisioSceneBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

constexpr int PageCount = 20;
constexpr int BoxesPerPage = 500;

VisioDocumentModel makeModel()
{
    VisioDocumentModel model;
    model.fileName = QStringLiteral("bench.vsdx");
    for (int p = 0; p < PageCount; ++p) {
        VisioPage page;
        page.name = QStringLiteral("Page-%1").arg(p + 1);
        page.pageSize = QSizeF(17.0, 11.0);
        for (int b = 0; b < BoxesPerPage; ++b) {
            const double x = 0.25 + (b % 25) * 0.66;
            const double y = 0.25 + (b / 25) * 0.52;
            VisioShape shape;
            shape.id = QString::number(b);
            shape.path.addRect(x, y, 0.6, 0.45);
            shape.style.filled = true;
            shape.style.fillType = VisioStyle::SolidFill;
            shape.style.fillColor = QColor(220, 235, 250);
            shape.zIndex = b;
            page.shapes.append(shape);

            VisioText text;
            text.id = shape.id;
            text.text = QStringLiteral("Valve %1-%2").arg(p + 1).arg(b + 1);
            text.bounds = QRectF(x, y, 0.6, 0.45);
            text.font.setPointSizeF(6.0);
            text.zIndex = b;
            page.texts.append(text);
        }
        model.pages.append(page);
    }
    return model;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    OffscreenArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? std::clamp(args.at(1).toInt(), 1, 50) : 5;
    QTextStream out(stdout);

    QElapsedTimer timer;
    timer.start();
    const VisioDocumentModel model = makeModel();
    out << "model: " << timer.elapsed() << " ms\n";

    QList<double> build, setup, paint, search, firstThumbnail;
    int hits = 0;
    for (int run = 0; run < runs; ++run) {
        QList<QRectF> rects;
        QList<QGraphicsItemGroup *> groups;
        timer.restart();
        QGraphicsScene *scene = VisioSceneBuilder::buildScene(model, &rects, &groups, 96.0);
        build.append(timer.nsecsElapsed() / 1e6);

        auto tab = std::make_unique<DocumentTabWidget>();
        tab->resize(1280, 800);
        timer.restart();
        tab->initDocumentView(model.fileName, scene, rects, groups);
        setup.append(timer.nsecsElapsed() / 1e6);

        // Shown as the main window shows a new tab, so the paint includes
        // the first layout of the view and the panel.
        timer.restart();
        tab->show();
        QImage image(tab->size(), QImage::Format_ARGB32_Premultiplied);
        tab->render(&image);
        paint.append(timer.nsecsElapsed() / 1e6);

        timer.restart();
        hits = int(tab->view()->searchText(QStringLiteral("valve")).size());
        search.append(timer.nsecsElapsed() / 1e6);

        timer.restart();
        tab->thumbnailPanel()->renderAllThumbnails();
        firstThumbnail.append(timer.nsecsElapsed() / 1e6 / PageCount);
    }

    out << "pages " << PageCount << ", text items " << PageCount * BoxesPerPage << ", runs "
        << runs << " (medians)\n";
    out << "scene build:               " << median(build) << " ms\n";
    out << "initDocumentView:          " << median(setup) << " ms\n";
    out << "first paint of the tab:    " << median(paint) << " ms\n";
    out << "set-up + first paint:      " << median(setup) + median(paint) << " ms (target 100)\n";
    out << "search (" << hits << " hits):       " << median(search) << " ms (target 50)\n";
    out << "one thumbnail (idle work): " << median(firstThumbnail) << " ms\n";
    return 0;
}
