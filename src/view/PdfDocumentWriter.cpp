#include "PdfDocumentWriter.h"

#include "ProductConstants.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

constexpr double maxSheetPoints = 14400.0;

// QFile reports a write cut short by a full disk as a success with fewer
// bytes, and QPdfWriter never looks at the count: the PDF would be committed
// truncated. Writing the rest again brings out the error.
class WholeWritesDevice : public QIODevice
{
public:
    explicit WholeWritesDevice(QIODevice *target)
        : m_target(target)
    {
        open(QIODevice::WriteOnly);
    }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        for (qint64 done = 0; done < length;) {
            const qint64 written = m_target->write(data + done, length - done);
            if (written <= 0) {
                m_failed = true;
                return -1;
            }
            done += written;
        }
        return length;
    }

private:
    QIODevice *m_target;
    bool m_failed = false;
};

} // namespace

PdfDocumentWriter::PdfDocumentWriter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                     double sceneDpi)
    : m_scene(scene)
    , m_pageRects(pageRects)
    , m_sceneDpi(sceneDpi > 0 ? sceneDpi : 96.0)
{
}

QString PdfDocumentWriter::creator()
{
    return g_product_name + QLatin1Char(' ') + g_version;
}

QPageLayout PdfDocumentWriter::pageLayout(const QRectF &page) const
{
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    if (m_paper == A4)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    if (m_paper == Letter)
        return letter;
    double w = page.width() / m_sceneDpi * 72.0;
    double h = page.height() / m_sceneDpi * 72.0;
    // A page without area gets a blank sheet of ordinary size.
    if (!std::isfinite(w) || !std::isfinite(h) || !(w >= 1.0) || !(h >= 1.0))
        return letter;
    // Readers refuse sheets beyond 200 in a side; larger pages are scaled
    // down onto the largest sheet of their shape.
    const double shrink = std::min(1.0, maxSheetPoints / std::max(w, h));
    w = std::max(1.0, w * shrink);
    h = std::max(1.0, h * shrink);
    // Portrait size turned by the orientation, so that QPageSize keeps the
    // standard names and readers show turned pages as landscape.
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Point, QString(),
                         QPageSize::FuzzyMatch);
    return QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

PdfDocumentWriter::Result PdfDocumentWriter::write(const QString &path, int first, int last)
{
    m_error.clear();
    if (!m_scene || first < 0 || last >= m_pageRects.size() || first > last) {
        m_error = tr("No pages to write.");
        return Failed;
    }
    const QFileInfo target(path);
    // Replacing these would either fail half-way or surprise the user.
    if (target.isDir()) {
        m_error = tr("Cannot write %1: it is a folder.").arg(path);
        return Failed;
    }
    if (target.exists() && !target.isWritable()) {
        m_error = tr("Cannot write %1: the file is write-protected.").arg(path);
        return Failed;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return Failed;
    }
    const int total = last - first + 1;
    WholeWritesDevice device(&file);
    {
        QPdfWriter writer(&device);
        writer.setCreator(creator());
        writer.setTitle(m_title);
        writer.setPageLayout(pageLayout(m_pageRects.at(first)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            m_error = tr("Cannot write %1: the PDF output could not be started.").arg(path);
            file.cancelWriting();
            return Failed;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::TextAntialiasing);
        for (int i = first; i <= last; ++i) {
            if (i > first) {
                writer.setPageLayout(pageLayout(m_pageRects.at(i)));
                if (!writer.newPage()) {
                    m_error = tr("Cannot write %1: page %2 could not be started.").arg(path).arg(i + 1);
                    painter.end();
                    file.cancelWriting();
                    return Failed;
                }
            }
            const QRect sheet = writer.pageLayout().paintRectPixels(writer.resolution());
            DocumentPrinter::renderPage(&painter, m_scene, m_pageRects.at(i),
                                        QRectF(0, 0, sheet.width(), sheet.height()));
            if (m_progress && !m_progress(i - first + 1, total)) {
                painter.end();
                file.cancelWriting();
                return Cancelled;
            }
        }
        if (!painter.end()) {
            m_error = tr("Cannot write %1: the PDF output could not be finished.").arg(path);
            file.cancelWriting();
            return Failed;
        }
    }
    // A full disk shows here, or when the last bytes are flushed. QSaveFile
    // commits a truncated file when that happens inside commit() itself.
    if (device.failed() || !file.flush() || !file.commit()) {
        m_error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return Failed;
    }
    return Written;
}
