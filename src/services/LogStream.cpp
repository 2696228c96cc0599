#include "LogStream.h"

LogStream::LogStream(Sink sink)
    : m_sink(sink)
{
}

LogStream::~LogStream()
{
    const QString trimmed = m_message.trimmed();
    if (m_sink && !trimmed.isEmpty())
        m_sink(trimmed);
}

LogStream &LogStream::operator<<(const char *text)
{
    m_message += QString::fromUtf8(text);
    return *this;
}

LogStream &LogStream::operator<<(const QString &text)
{
    m_message += text;
    m_message += QLatin1Char(' ');
    return *this;
}

LogStream &LogStream::operator<<(qint64 number)
{
    m_message += QString::number(number);
    return *this;
}

LogStream &LogStream::operator<<(quint64 number)
{
    m_message += QString::number(number);
    return *this;
}
