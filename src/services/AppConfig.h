#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

// The user's settings: interface language, the last open and save folders
// and the recently opened drawings. Every setter writes through to disk at once.
class AppConfig : public QObject
{
    Q_OBJECT

public:
    static AppConfig *instance();

    explicit AppConfig(QObject *parent = nullptr);

    // Whether the user has chosen a language yet.
    bool hasLanguageVal() const;
    int getLanguageVal() const;
    void setLanguageVal(int value);
    QString getLastOpenPath() const;
    void setLastOpenPath(const QString &path);
    QString getLastSavePath() const;
    void setLastSavePath(const QString &path);
    // As stored, newest first; entries that are not text are left out.
    QStringList getRecentFiles() const;
    void setRecentFiles(const QStringList &paths);

private:
    static AppConfig *m_instance;
    QSettings *m_settings = nullptr;
};
