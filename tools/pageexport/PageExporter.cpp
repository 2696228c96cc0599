#include "PageExporter.h"

#include "DocumentPrinter.h"
#include "PdfDocumentWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

void setRenderHints(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::TextAntialiasing);
}

} // namespace

PageExporter::PageExporter(QGraphicsScene *scene, const QList<QRectF> &pageRects, double sceneDpi)
    : m_scene(scene)
    , m_pageRects(pageRects)
    , m_sceneDpi(sceneDpi > 0 ? sceneDpi : 96.0)
{
}

QString PageExporter::pageFileName(const QString &path, int pageIndex)
{
    const QFileInfo info(path);
    const QString name = QStringLiteral("%1-%2.%3")
                             .arg(info.completeBaseName())
                             .arg(pageIndex + 1)
                             .arg(info.suffix());
    return info.dir().filePath(name);
}

QSize PageExporter::rasterSize(int pageIndex, int dpi) const
{
    const QRectF r = m_pageRects.value(pageIndex);
    const double w = std::max(1.0, std::round(r.width() / m_sceneDpi * dpi));
    const double h = std::max(1.0, std::round(r.height() / m_sceneDpi * dpi));
    if (!(w <= maxRasterSide) || !(h <= maxRasterSide) || w * h > double(maxRasterPixels))
        return QSize();
    return QSize(int(w), int(h));
}

QSize PageExporter::fittedSize(int pageIndex, int maxSide) const
{
    const QSizeF page = m_pageRects.value(pageIndex).size();
    if (maxSide < 1 || page.isEmpty())
        return QSize();
    const double scale = maxSide / std::max(page.width(), page.height());
    return QSize(std::clamp(int(std::lround(page.width() * scale)), 1, maxSide),
                 std::clamp(int(std::lround(page.height() * scale)), 1, maxSide));
}

QImage PageExporter::renderPage(int pageIndex, const QSize &size) const
{
    if (!m_scene || pageIndex < 0 || pageIndex >= m_pageRects.size() || size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    setRenderHints(&painter);
    DocumentPrinter::renderPage(&painter, m_scene, m_pageRects.at(pageIndex),
                                QRectF(QPointF(0, 0), size));
    return image;
}

PageExporter::~PageExporter() = default;

bool PageExporter::stage(const QString &path, const QByteArray &data)
{
    // Closed after writing, so that a long run does not hold one open file
    // per page.
    const QFileInfo target(path);
    // Refused here rather than when the pages are moved into place, where a
    // failure would leave some pages of this run beside some of an earlier one.
    if (target.isDir() || (target.exists() && !target.isWritable())) {
        m_error = tr("Cannot write %1: it is a folder or write-protected.").arg(path);
        discardStaged();
        return false;
    }
    auto file = std::make_unique<QTemporaryFile>(
        target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!file->open() || file->write(data) != data.size() || !file->flush()) {
        m_error = tr("Cannot write %1: %2").arg(path, file->errorString());
        discardStaged();
        return false;
    }
    file->close();
    // Temporary files are private to their owner; a result is an ordinary file.
    file->setPermissions(target.exists() ? target.permissions()
                                         : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                               | QFile::WriteUser | QFile::ReadGroup
                                               | QFile::ReadOther);
    m_staged.emplace_back(std::move(file), path);
    return true;
}

bool PageExporter::commitStaged()
{
    for (auto &[file, path] : m_staged) {
        // rename() replaces an existing target in one step.
        if (std::rename(QFile::encodeName(file->fileName()).constData(),
                        QFile::encodeName(path).constData())
            != 0) {
            m_error = tr("Cannot write %1: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            // Pages already moved into place are complete; they stay.
            discardStaged();
            return false;
        }
        file->setAutoRemove(false);
        m_written.append(path);
    }
    m_staged.clear();
    return true;
}

void PageExporter::discardStaged()
{
    // Each temporary file removes itself when destroyed.
    m_staged.clear();
}

bool PageExporter::writePdf(const QString &path, int first, int last, Paper paper)
{
    PdfDocumentWriter writer(m_scene, m_pageRects, m_sceneDpi);
    writer.setTitle(m_title);
    writer.setPaper(paper == A4       ? PdfDocumentWriter::A4
                    : paper == Letter ? PdfDocumentWriter::Letter
                                      : PdfDocumentWriter::PageSized);
    if (writer.write(path, first, last) != PdfDocumentWriter::Written) {
        m_error = writer.errorText();
        return false;
    }
    m_written.append(path);
    return true;
}

bool PageExporter::writePngs(const QString &path, int first, int last, int dpi)
{
    if (!m_scene || first < 0 || last >= m_pageRects.size() || first > last) {
        m_error = tr("No pages to write.");
        return false;
    }
    // Refuse before writing anything at all.
    for (int i = first; i <= last; ++i) {
        if (!rasterSize(i, dpi).isValid()) {
            m_error = tr("Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 "
                         "megapixels. Choose a lower --dpi.")
                          .arg(i + 1)
                          .arg(dpi)
                          .arg(maxRasterSide)
                          .arg(maxRasterPixels / (1024 * 1024));
            return false;
        }
    }

    for (int i = first; i <= last; ++i) {
        QImage image = renderPage(i, rasterSize(i, dpi));
        if (image.isNull()) {
            m_error = tr("Not enough memory for page %1.").arg(i + 1);
            discardStaged();
            return false;
        }
        const double dotsPerMeter = dpi / 0.0254;
        image.setDotsPerMeterX(qRound(dotsPerMeter));
        image.setDotsPerMeterY(qRound(dotsPerMeter));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image)) {
            m_error = tr("Cannot encode page %1: %2").arg(i + 1).arg(writer.errorString());
            discardStaged();
            return false;
        }
        if (!stage(pageFileName(path, i), buffer.data()))
            return false;
    }
    return commitStaged();
}

bool PageExporter::writeSvgs(const QString &path, int first, int last)
{
    if (!m_scene || first < 0 || last >= m_pageRects.size() || first > last) {
        m_error = tr("No pages to write.");
        return false;
    }
    for (int i = first; i <= last; ++i) {
        const QRectF page = m_pageRects.at(i);
        // One SVG user unit per scene unit (96 per inch, as CSS pixels).
        const QSize size(std::max(1, int(std::ceil(page.width()))),
                         std::max(1, int(std::ceil(page.height()))));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize(size);
            generator.setViewBox(QRectF(QPointF(0, 0), size));
            generator.setResolution(qRound(m_sceneDpi));
            generator.setTitle(QFileInfo(pageFileName(path, i)).completeBaseName());
            QPainter painter;
            if (!painter.begin(&generator)) {
                m_error = tr("Cannot start the SVG output for page %1.").arg(i + 1);
                discardStaged();
                return false;
            }
            setRenderHints(&painter);
            DocumentPrinter::renderPage(&painter, m_scene, page, QRectF(QPointF(0, 0), size));
            painter.end();
        }
        if (!stage(pageFileName(path, i), buffer.data()))
            return false;
    }
    return commitStaged();
}

bool PageExporter::writeText(const QString &path, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (path.isEmpty()) {
        if (std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout) != size_t(utf8.size())
            || std::fflush(stdout) != 0) {
            m_error = tr("Cannot write the text to standard output: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        return true;
    }
    return stage(path, utf8) && commitStaged();
}
