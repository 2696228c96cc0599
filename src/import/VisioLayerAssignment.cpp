#include "VisioLayerAssignment.h"

#include "VisioPage.h"

#include <QSet>

namespace {
// Unnamed items farther than this from a named one stay unplaced: the
// shapes between would have to be compared for every gap.
constexpr qsizetype maxCandidateShapes = 5000;
} // namespace

quint32 VisioLayerAssignment::shapeIdFrom(const QString &drawId)
{
    if (!drawId.startsWith(QLatin1String("id")))
        return 0;
    bool ok = false;
    const uint id = QStringView(drawId).mid(2).toUInt(&ok);
    return ok ? id : 0;
}

void VisioLayerAssignment::startPage(VisioPage &page)
{
    m_pending.clear();
    m_lastShape = 0;
    m_current = nullptr;
    m_position.clear();
    if (m_used.size() != m_pages.size())
        m_used = QList<bool>(m_pages.size(), false);

    // Pages come in the reader's order; a name that does not match means
    // the two disagree about which pages there are.
    const qsizetype next = m_used.indexOf(false);
    qsizetype match = -1;
    if (next >= 0 && m_pages.at(next).name == page.name) {
        match = next;
    } else {
        for (qsizetype i = 0; i < m_pages.size() && match < 0; ++i) {
            if (!m_used.at(i) && m_pages.at(i).name == page.name)
                match = i;
        }
    }
    if (match < 0)
        return;
    m_used[match] = true;
    m_current = &m_pages.at(match);
    page.layerTable = m_current->layers;
    m_position.reserve(m_current->order.size());
    for (qsizetype i = 0; i < m_current->order.size(); ++i)
        m_position.insert(m_current->order.at(i), i);
}

void VisioLayerAssignment::place(VisioPage &page, ItemKind kind, qsizetype index,
                                 VisioDisplay display, quint32 shapeId)
{
    if (!m_current) {
        assign(page, kind, index, display, nullptr);
        return;
    }
    const bool ambiguous = m_current->backgroundIds.contains(shapeId);
    if (shapeId && !ambiguous && m_current->membership.contains(shapeId)) {
        resolvePending(page, shapeId);
        const QList<int> entries = m_current->membership.value(shapeId);
        assign(page, kind, index, display, &entries);
        m_lastShape = shapeId;
        return;
    }
    // Background shapes come first and are not in the page's order.
    if (shapeId || m_current->hasBackground) {
        assign(page, kind, index, display, nullptr);
        return;
    }
    m_pending.append(Pending{kind, index, display});
}

void VisioLayerAssignment::finishPage(VisioPage &page)
{
    resolvePending(page, 0);
    m_current = nullptr;
    m_position.clear();
}

void VisioLayerAssignment::resolvePending(VisioPage &page, quint32 nextShape)
{
    if (m_pending.isEmpty())
        return;
    QList<int> entries;
    const bool shared = sharedEntries(m_lastShape, nextShape, &entries);
    for (const Pending &pending : std::as_const(m_pending))
        assign(page, pending.kind, pending.index, pending.display, shared ? &entries : nullptr);
    m_pending.clear();
}

bool VisioLayerAssignment::sharedEntries(quint32 after, quint32 before, QList<int> *entries) const
{
    if (!m_current)
        return false;
    const QList<quint32> &order = m_current->order;
    const qsizetype first = after ? m_position.value(after, -2) + 1 : 0;
    const qsizetype end = before ? m_position.value(before, -1) : order.size();
    if (first < 0 || end < first || end - first > maxCandidateShapes)
        return false;

    // A group's own text follows its members, so the groups around the
    // shapes in the gap, and around the last named one, are candidates too.
    QSet<quint32> candidates;
    auto addWithGroups = [this, &candidates](quint32 shape) {
        for (int depth = 0; shape && depth < 256 && !candidates.contains(shape); ++depth) {
            candidates.insert(shape);
            shape = m_current->parents.value(shape);
        }
    };
    for (qsizetype i = first; i < end; ++i)
        addWithGroups(order.at(i));
    if (after)
        addWithGroups(m_current->parents.value(after));
    if (candidates.isEmpty())
        return false;

    bool firstCandidate = true;
    for (quint32 shape : std::as_const(candidates)) {
        const QList<int> shapeEntries = m_current->membership.value(shape);
        if (firstCandidate) {
            *entries = shapeEntries;
            firstCandidate = false;
        } else if (shapeEntries != *entries) {
            return false;
        }
    }
    return true;
}

QList<int> &VisioLayerAssignment::entriesOf(VisioPage &page, ItemKind kind, qsizetype index)
{
    switch (kind) {
    case Text:
        return page.texts[index].layerEntries;
    case Image:
        return page.images[index].layerEntries;
    case Shape:
        break;
    }
    return page.shapes[index].layerEntries;
}

void VisioLayerAssignment::assign(VisioPage &page, ItemKind kind, qsizetype index,
                                  VisioDisplay display, const QList<int> *entries)
{
    const qsizetype count = kind == Shape  ? page.shapes.size()
                            : kind == Text ? page.texts.size()
                                           : page.images.size();
    if (index < 0 || index >= count)
        return;
    QList<int> &target = entriesOf(page, kind, index);
    // A placement must agree with what libvisio made of the file's flags.
    if (entries && VisioLayer::displayOf(page.layerTable, *entries) == display) {
        target = *entries;
        return;
    }
    target.clear();
    const VisioLayer::Kind collector = VisioLayer::kindFor(display);
    if (collector == VisioLayer::Named)
        return;
    for (int i = 0; i < page.layerTable.size(); ++i) {
        if (page.layerTable.at(i).kind == collector) {
            target.append(i);
            return;
        }
    }
    page.layerTable.append(VisioLayer::forKind(collector));
    target.append(int(page.layerTable.size() - 1));
}
