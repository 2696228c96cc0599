#pragma once

#include <QString>

// Builds one log message from pieces and hands it, trimmed, to a Log sink
// when the temporary goes out of scope:
//   LogStream(Log::warn) << "Failed to load file:" << path << "- Reason: ...";
class LogStream
{
public:
    using Sink = void (*)(const QString &);

    explicit LogStream(Sink sink);
    ~LogStream();
    LogStream(const LogStream &) = delete;
    LogStream &operator=(const LogStream &) = delete;

    LogStream &operator<<(const char *text);       // appended as is
    LogStream &operator<<(const QString &text);    // appended with one trailing blank
    LogStream &operator<<(qint64 number);          // decimal digits, no separator
    LogStream &operator<<(int number) { return *this << qint64(number); }

    QString message() const { return m_message; }

private:
    QString m_message;
    Sink m_sink;
};
