#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

// The parts of an Open Packaging package (.vsdx and the other Visio
// packages) held in memory: part name to bytes, in the package's order.
// Copies share the bytes, so a step that rewrites a few parts copies only
// those.
class PackageParts
{
public:
    bool isEmpty() const { return m_names.isEmpty(); }
    qsizetype size() const { return m_names.size(); }
    // In the order the package lists them; names as the zip spells them,
    // without a leading slash.
    const QList<QByteArray> &names() const { return m_names; }
    bool contains(const QByteArray &name) const { return m_bytes.contains(name); }
    // Empty when there is no such part.
    QByteArray value(const QByteArray &name) const { return m_bytes.value(name); }
    // Replaces a part's bytes, or adds the part at the end.
    void insert(const QByteArray &name, const QByteArray &bytes);
    void remove(const QByteArray &name);
    qint64 totalBytes() const;

private:
    QList<QByteArray> m_names;
    QHash<QByteArray, QByteArray> m_bytes;
};
