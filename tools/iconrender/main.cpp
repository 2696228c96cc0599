// Renders the toolbar and window pictures from their SVG sources.
//
//   plandraw-iconrender <manifest> <svg-dir> <out-dir> <qrc-file> [<contact-sheet.png>]
//
// Each manifest line is "output | source | state | WxH". Line glyphs draw with
// currentColor; the state picks the ink and an optional soft tile behind it.
// Every picture is rendered at twice its size so it stays crisp when the
// style sheet scales it.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kScale = 2;
constexpr int kGlyphSize = 20;
constexpr int kMaxSide = 1024;

struct StateStyle
{
    QString ink;
    QColor tile; // invalid: no tile
};

bool styleFor(const QString &state, StateStyle *style)
{
    if (state == QLatin1String("normal"))
        *style = {QStringLiteral("#4a5561"), QColor()};
    else if (state == QLatin1String("hover"))
        *style = {QStringLiteral("#2f6fd6"), QColor(QStringLiteral("#e4ecf9"))};
    else if (state == QLatin1String("checked"))
        *style = {QStringLiteral("#2f6fd6"), QColor(QStringLiteral("#d3e1f8"))};
    else if (state == QLatin1String("disabled"))
        *style = {QStringLiteral("#c8c8c8"), QColor()};
    else if (state == QLatin1String("search"))
        *style = {QStringLiteral("#8a929b"), QColor()};
    else if (state == QLatin1String("asis"))
        *style = {QString(), QColor()};
    else
        return false;
    return true;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "plandraw-iconrender: %s\n", qPrintable(message));
}

bool render(const QString &svgPath, const QString &state, const QSize &size, QImage *out)
{
    StateStyle style;
    if (!styleFor(state, &style)) {
        fail(QStringLiteral("unknown state '%1'").arg(state));
        return false;
    }
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(svgPath));
        return false;
    }
    QByteArray svg = file.readAll();
    if (!style.ink.isEmpty())
        svg.replace("currentColor", style.ink.toLatin1());

    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        fail(QStringLiteral("invalid SVG %1").arg(svgPath));
        return false;
    }

    QImage image(size * kScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(kScale, kScale);

    if (style.tile.isValid()) {
        QPainterPath tile;
        tile.addRoundedRect(QRectF(1, 0.5, size.width() - 2, size.height() - 1), 5, 5);
        painter.fillPath(tile, style.tile);
    }

    if (state == QLatin1String("asis") || state == QLatin1String("search")) {
        renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    } else {
        // Glyphs keep their own proportions, centred in the button.
        const QRectF glyph((size.width() - kGlyphSize) / 2.0, (size.height() - kGlyphSize) / 2.0,
                           kGlyphSize, kGlyphSize);
        renderer.render(&painter, glyph);
    }
    painter.end();
    *out = image;
    return true;
}

bool parseSize(const QString &text, QSize *size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return false;
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW);
    const int h = parts[1].toInt(&okH);
    if (!okW || !okH || w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
        return false;
    *size = QSize(w, h);
    return true;
}

QImage contactSheet(const QList<QImage> &images)
{
    const int cell = 120;
    const int columns = 6;
    const int rows = (images.size() + columns - 1) / columns;
    QImage sheet(columns * cell * 2, rows * cell, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int i = 0; i < images.size(); ++i) {
        const int x = (i % columns) * cell * 2;
        const int y = (i / columns) * cell;
        // Each picture twice: on white and on the window's grey.
        painter.fillRect(QRect(x + cell, y, cell, cell), QColor(240, 240, 240));
        QImage img = images[i];
        if (img.width() > cell - 8 || img.height() > cell - 8)
            img = img.scaled(cell - 8, cell - 8, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint offset((cell - img.width()) / 2, (cell - img.height()) / 2);
        painter.drawImage(QPoint(x, y) + offset, img);
        painter.drawImage(QPoint(x + cell, y) + offset, img);
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        fail(QStringLiteral("usage: plandraw-iconrender <manifest> <svg-dir> <out-dir> <qrc-file> [<sheet.png>]"));
        return 2;
    }
    const QString manifestPath = args[1];
    const QDir svgDir(args[2]);
    const QDir outDir(args[3]);
    const QString qrcPath = args[4];

    QFile manifest(manifestPath);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read %1").arg(manifestPath));
        return 1;
    }
    if (!QDir().mkpath(outDir.absolutePath())) {
        fail(QStringLiteral("cannot create %1").arg(outDir.absolutePath()));
        return 1;
    }

    QStringList outputs;
    QList<QImage> rendered;
    int lineNumber = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        QSize size;
        if (fields.size() != 4 || !parseSize(fields[3].trimmed(), &size)) {
            fail(QStringLiteral("%1:%2: malformed line").arg(manifestPath).arg(lineNumber));
            return 1;
        }
        const QString output = fields[0].trimmed();
        QImage image;
        if (!render(svgDir.filePath(fields[1].trimmed()), fields[2].trimmed(), size, &image))
            return 1;
        const QString target = outDir.filePath(output);
        if (!image.save(target, "PNG")) {
            fail(QStringLiteral("cannot write %1").arg(target));
            return 1;
        }
        outputs << output;
        rendered << image;
    }

    QFile qrc(qrcPath);
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        fail(QStringLiteral("cannot write %1").arg(qrcPath));
        return 1;
    }
    QTextStream qrcOut(&qrc);
    qrcOut << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/img\">\n";
    const QString relative = QFileInfo(qrcPath).absoluteDir().relativeFilePath(outDir.absolutePath());
    for (const QString &name : outputs) {
        qrcOut << "    <file alias=\"" << name.toHtmlEscaped() << "\">"
               << (relative + QLatin1Char('/') + name).toHtmlEscaped() << "</file>\n";
    }
    qrcOut << "</qresource>\n</RCC>\n";

    if (args.size() > 5 && !contactSheet(rendered).save(args[5], "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(args[5]));
        return 1;
    }
    return 0;
}
