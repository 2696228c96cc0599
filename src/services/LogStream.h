#pragma once

#include <QString>

#include <type_traits>

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
    LogStream &operator<<(quint64 number);

    // Any other integer (int, unsigned, size_t, ...) without ambiguity; bool
    // and character types are left out on purpose.
    template<typename T,
             typename = std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>
                                         && !std::is_same_v<T, char> && !std::is_same_v<T, qint64>
                                         && !std::is_same_v<T, quint64>>>
    LogStream &operator<<(T number)
    {
        if constexpr (std::is_signed_v<T>)
            return *this << qint64(number);
        else
            return *this << quint64(number);
    }

    QString message() const { return m_message; }

private:
    QString m_message;
    Sink m_sink;
};
