#include "Common.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestReveal : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Common::setRevealBackendForTesting({}); }
    void fileManagerOnTheBusGetsTheFileUri();
    void withoutFileManagerTheFolderOpens();
};

void TestReveal::fileManagerOnTheBusGetsTheFileUri()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan 1#.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList shown;
    QList<QUrl> opened;
    Common::setRevealBackendForTesting({[&](const QString &uri) {
                                            shown << uri;
                                            return true;
                                        },
                                        [&](const QUrl &url) {
                                            opened << url;
                                            return true;
                                        }});
    Common::revealInExplorer(path);
    // Spaces and '#' must be escaped, or the file manager looks elsewhere.
    QCOMPARE(shown, QStringList{QUrl::fromLocalFile(path).toString()});
    QVERIFY(shown.first().startsWith(QLatin1String("file:///")));
    QVERIFY(shown.first().contains(QLatin1String("%23")));
    QVERIFY(opened.isEmpty());

    // Nothing there: nothing to show.
    Common::revealInExplorer(dir.filePath(QStringLiteral("gone.pdf")));
    Common::revealInExplorer(QString());
    QCOMPARE(shown.size(), 1);
    QVERIFY(opened.isEmpty());
}

void TestReveal::withoutFileManagerTheFolderOpens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QList<QUrl> opened;
    Common::setRevealBackendForTesting({[](const QString &) { return false; },
                                        [&](const QUrl &url) {
                                            opened << url;
                                            return true;
                                        }});
    Common::revealInExplorer(path);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(dir.path()).absoluteFilePath())});
}

QTEST_MAIN(TestReveal)
#include "tst_reveal.moc"
