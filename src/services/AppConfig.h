#pragma once

#include <QObject>
#include <QString>

class QSettings;

// The user's settings: interface language and the last open and save folders.
// Every setter writes through to disk at once.
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

private:
    static AppConfig *m_instance;
    QSettings *m_settings = nullptr;
};
