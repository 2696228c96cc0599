#pragma once

#include "DocumentPrinter.h"

#include <QCoreApplication>
#include <QList>
#include <QRectF>
#include <QString>

class QGraphicsScene;
class QPageLayout;

// Writes scene pages as one PDF file, one sheet per page. The viewer's
// "Save as PDF" and the command-line converter share it, so the same
// drawing gives the same file from both.
//
// The file is written under a temporary name in the target folder and
// replaces the target only when complete: a failure or a cancel leaves
// whatever was there before.
class PdfDocumentWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfDocumentWriter)

public:
    enum Paper { PageSized, A4, Letter };
    enum Result { Written, Failed, Cancelled };

    // pageRects are in scene units of sceneDpi per inch.
    PdfDocumentWriter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                      double sceneDpi = 96.0);

    void setTitle(const QString &title) { m_title = title; }
    void setPaper(Paper paper) { m_paper = paper; }
    // Called after every page; returning false cancels the file.
    void setProgress(const DocumentPrinter::PageProgress &progress) { m_progress = progress; }

    // first and last are 0-based and inclusive.
    Result write(const QString &path, int first, int last);
    Result write(const QString &path) { return write(path, 0, int(m_pageRects.size()) - 1); }

    // Why the last write failed, naming the file.
    QString errorText() const { return m_error; }

    // The product and its version, as PDF readers show the creator.
    static QString creator();
    // The sheet for one page: its own size and orientation, or the paper.
    QPageLayout pageLayout(const QRectF &pageRect) const;

private:
    QGraphicsScene *m_scene;
    QList<QRectF> m_pageRects;
    double m_sceneDpi;
    QString m_title;
    Paper m_paper = PageSized;
    DocumentPrinter::PageProgress m_progress;
    QString m_error;
};
