#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class AppConfig;

// The drawings opened last, newest first, kept in the settings store. A path
// is kept as the user opened it, made absolute; the same file opened again
// moves to the top instead of appearing twice.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 10;

    // Without a config, the process-wide one.
    explicit RecentFiles(AppConfig *config = nullptr, QObject *parent = nullptr);

    // Clean and capped, whatever the store holds.
    QStringList paths() const;
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

    // Absolute and without "." or ".." steps; empty for an empty path.
    static QString normalised(const QString &path);

signals:
    void changed();

private:
    void store(const QStringList &paths);

    AppConfig *m_config = nullptr;
};
