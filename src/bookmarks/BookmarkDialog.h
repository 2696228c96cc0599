#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Adds a bookmark for one page: an overlay that dims its parent window and
// shows a small card asking for a name. It deletes itself when closed.
class BookmarkDialog : public QDialog
{
    Q_OBJECT

public:
    BookmarkDialog(const QString &fileName, int page, QWidget *parent = nullptr);

    // The document's full path, kept with the bookmark so that it can be
    // opened again once its tab is closed.
    void setDocumentPath(const QString &path) { m_documentPath = path; }

    QLineEdit *nameEdit() const { return m_nameEdit; }
    QPushButton *addButton() const { return m_addButton; }

signals:
    // A store failure or notice the user must see.
    void storeProblem(const QString &title, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onAddClicked();

    QString m_fileName;
    int m_page = 0;
    QString m_documentPath;
    QLineEdit *m_nameEdit = nullptr;
    QPushButton *m_addButton = nullptr;
};
