#pragma once

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QRectF>
#include <QSharedPointer>
#include <QSizeF>
#include <QStringList>

#include "VisioSvgRepair.h"

#include <memory>

class QPainter;
class QSvgRenderer;

// A picture kept as vectors, so that it stays sharp at any zoom and its text
// stays text in PDFs: an SVG (EMF pictures) or a recorded QPicture (WMF
// pictures and object placeholders). Parsed once; immutable afterwards.
// Painting is not thread-safe; the scene paints it on one thread.
class VisioVectorPicture
{
public:
    ~VisioVectorPicture();

    // Repairs the SVG first. Null when it still cannot be parsed, or when
    // drawing it would hold the window for seconds; error then says why.
    static QSharedPointer<const VisioVectorPicture> fromSvg(const QByteArray &svg,
                                                            QString *error = nullptr);
    // bounds: the part of the picture's coordinates that is shown. Null when
    // drawing it would hold the window for seconds.
    static QSharedPointer<const VisioVectorPicture> fromPicture(const QPicture &picture,
                                                                const QRectF &bounds,
                                                                const QStringList &texts,
                                                                QString *error = nullptr);

    // The picture's own size in its units (pixels for SVG).
    QSizeF size() const { return m_bounds.size(); }
    // The words the picture draws, one entry per run of text.
    const QStringList &texts() const { return m_texts; }

    // Stretches the picture over target, clipped to it.
    void render(QPainter *painter, const QRectF &target) const;
    // A raster of the given size on white; null when size is empty or too large.
    QImage toImage(const QSize &size) const;

private:
    VisioVectorPicture() = default;

    void renderTextOverlay(QPainter *painter, const QRectF &target) const;

    std::unique_ptr<QSvgRenderer> m_svg;
    QList<VisioSvgRepair::TextRun> m_runs;
    QPicture m_picture;
    QRectF m_bounds;
    QStringList m_texts;
};
