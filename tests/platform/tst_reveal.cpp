#include "Common.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestReveal : public QObject
{
    Q_OBJECT

private slots:
    void fileManagerGetsTheFileUriOrTheFolderOpens();
};

void TestReveal::fileManagerGetsTheFileUriOrTheFolderOpens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan 1#.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList shown;
    QList<QUrl> opened;
    bool answered = true;
    Common::setRevealBackendForTesting({[&](const QString &uri) { shown << uri; return answered; },
                                        [&](const QUrl &url) { opened << url; return true; }});
    Common::revealInExplorer(path);
    // '#' left bare would cut the path short at the file manager.
    QCOMPARE(shown, QStringList{QUrl::fromLocalFile(path).toString()});
    QVERIFY(shown.first().startsWith(QLatin1String("file:///")) && shown.first().contains("%23"));
    QVERIFY(opened.isEmpty());

    // Nothing there: nothing to show.
    Common::revealInExplorer(dir.filePath(QStringLiteral("gone.pdf")));
    QCOMPARE(shown.size(), 1);

    // No file manager on the bus: the folder opens instead.
    answered = false;
    Common::revealInExplorer(path);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(dir.path()).absoluteFilePath())});
    Common::setRevealBackendForTesting({});
}

QTEST_MAIN(TestReveal)
#include "tst_reveal.moc"
