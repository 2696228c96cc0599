#include "BatchProgress.h"

#include <QFile>

namespace {

// Long enough to smooth out drawings of different sizes.
constexpr qint64 rateWindowMs = 10000;

} // namespace

BatchProgress::BatchProgress(int total, std::FILE *out, bool terminal)
    : m_total(total)
    , m_out(out)
    , m_terminal(terminal)
{
    m_clock.start();
}

QString BatchProgress::displayName(const QByteArray &path)
{
    QString name = QFile::decodeName(path);
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char('?');
    }
    return name;
}

double BatchProgress::rate() const
{
    const qint64 now = m_clock.elapsed();
    int recent = 0;
    for (qint64 at : m_recent) {
        if (now - at <= rateWindowMs)
            ++recent;
    }
    const double window = std::min<double>(std::max<qint64>(now, 1), rateWindowMs) / 1000.0;
    return recent / window;
}

void BatchProgress::print(const QString &line)
{
    if (m_lineShown) {
        std::fputs("\r\033[K", m_out);
        m_lineShown = false;
    }
    std::fprintf(m_out, "%s\n", qPrintable(line));
}

void BatchProgress::itemDone(const BatchItem &item)
{
    ++m_done;
    const QString input = displayName(item.path);
    if (item.status == BatchItem::Converted) {
        m_recent.append(m_clock.elapsed());
        while (!m_recent.isEmpty() && m_clock.elapsed() - m_recent.first() > rateWindowMs)
            m_recent.removeFirst();
    }
    switch (item.status) {
    case BatchItem::Converted:
        // A renamed output is worth a line even on a terminal.
        if (!m_terminal || !item.reason.isEmpty()) {
            QString line = tr("converted %1 -> %2").arg(input, displayName(item.output));
            if (!item.reason.isEmpty())
                line += QStringLiteral(" (%1)").arg(item.reason);
            print(line);
        }
        break;
    case BatchItem::Failed:
        ++m_failed;
        print(tr("failed    %1: %2").arg(input, item.reason));
        break;
    case BatchItem::Skipped:
        if (!m_terminal)
            print(tr("skipped   %1: %2").arg(input, item.reason));
        break;
    case BatchItem::Pending:
        break;
    }
    if (m_terminal)
        refresh();
    else
        std::fflush(m_out);
}

void BatchProgress::refresh()
{
    if (!m_terminal)
        return;
    const QString line = tr("%1/%2 done, %3 failed, %4 drawings/s")
                             .arg(m_done)
                             .arg(m_total)
                             .arg(m_failed)
                             .arg(rate(), 0, 'f', 1);
    std::fprintf(m_out, "\r\033[K%s", qPrintable(line));
    std::fflush(m_out);
    m_lineShown = true;
}

void BatchProgress::finish(const QString &summary)
{
    print(summary);
    std::fflush(m_out);
}
