#pragma once

#include "BatchItem.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPair>

// Turns the drawings and folders of a batch command line into items. Folders
// are read with the C library, so that names which are not valid UTF-8
// survive; each folder is searched once, which also ends symbolic-link loops.
// Names starting with a dot are not searched.
class BatchInputCollector
{
    Q_DECLARE_TR_FUNCTIONS(BatchInputCollector)

public:
    // outDir, when it lies inside a folder given, is not searched.
    BatchInputCollector(bool recursive, const QByteArray &outDir);

    void add(const QByteArray &argument);
    const QList<BatchItem> &items() const { return m_items; }

    // The bytes of the first argument from 'from' on that Qt decodes as
    // decoded, or decoded encoded again when none does; from is moved past it.
    static QByteArray rawArgument(const QString &decoded, const QList<QByteArray> &arguments,
                                  qsizetype *from = nullptr);
    // "a/b" from "a" and "b".
    static QByteArray joined(const QByteArray &folder, const QByteArray &name);

private:
    using FileId = QPair<quint64, quint64>;

    void addFolder(const QByteArray &path);
    void addFile(const QByteArray &path, const QByteArray &outputDir, const QByteArray &name,
                 bool inFolder, bool isRegular);
    void addRefused(const QByteArray &path, BatchItem::Status status, const QString &reason);
    // False, with the item reported, when the folder was searched before.
    bool markSearched(const QByteArray &path, const FileId &id);

    bool m_recursive;
    bool m_hasOutDir = false;
    FileId m_outDir;
    QHash<FileId, QByteArray> m_searched;
    QList<BatchItem> m_items;
};
