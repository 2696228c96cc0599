#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <vector>

class QGraphicsScene;
class QTemporaryFile;

// Writes scene pages to PDF, PNG or SVG files, or their text. Every file is written under a
// temporary name; the files of one run replace their targets only after all
// of them are complete, so a failed run leaves earlier results untouched.
class PageExporter
{
    Q_DECLARE_TR_FUNCTIONS(PageExporter)

public:
    enum Paper { PageSized, A4, Letter };

    // Raster pages larger than this are refused rather than allocated.
    static constexpr int maxRasterSide = 16384;
    static constexpr qint64 maxRasterPixels = 256LL * 1024 * 1024;

    // pageRects are in scene units of sceneDpi per inch; first and last are
    // 0-based indices into it, inclusive.
    PageExporter(QGraphicsScene *scene, const QList<QRectF> &pageRects, double sceneDpi);

    // Goes into the PDF's metadata.
    void setTitle(const QString &title) { m_title = title; }

    bool writePdf(const QString &path, int first, int last, Paper paper);
    bool writePngs(const QString &path, int first, int last, int dpi);
    bool writeSvgs(const QString &path, int first, int last);
    // UTF-8; an empty path writes to standard output.
    bool writeText(const QString &path, const QString &text);

    // OUT.png and page index 1 give OUT-2.png.
    static QString pageFileName(const QString &path, int pageIndex);
    // Pixel size of a page at dpi, at least 1 x 1; invalid when too large.
    QSize rasterSize(int pageIndex, int dpi) const;
    // Pixel size of a page scaled so that its longer side is maxSide.
    QSize fittedSize(int pageIndex, int maxSide) const;
    // The page painted on white at the given pixel size; null when that
    // memory cannot be had.
    QImage renderPage(int pageIndex, const QSize &size) const;

    ~PageExporter();

    QString errorText() const { return m_error; }
    QStringList writtenFiles() const { return m_written; }

private:
    bool stage(const QString &path, const QByteArray &data);
    bool commitStaged();
    void discardStaged();

    QGraphicsScene *m_scene;
    QList<QRectF> m_pageRects;
    double m_sceneDpi;
    QString m_title;
    QString m_error;
    QStringList m_written;
    // Finished pages waiting to replace their targets.
    std::vector<std::pair<std::unique_ptr<QTemporaryFile>, QString>> m_staged;
};
