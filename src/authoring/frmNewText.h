#pragma once
// The new text file dialog: makes an empty ".txt" file in a chosen folder,
// the start of a new question collection or reference book.
#include <QDialog>
#include <QListWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A folder list: the folders from the drive down to the open folder, each
// one step further in, then the open folder's sub-folders. Double-clicking
// (or Enter on) a folder opens it.
class TFolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit TFolderList(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    // The folder the learner sees highlighted (the open one until another
    // is picked).
    QString selectedDirectory() const;
    // Opens a folder (an unreadable or missing one leaves the list as it is).
    void setDirectory(const QString &path);

signals:
    void directoryChanged(const QString &path);

private:
    void openItem(QListWidgetItem *item);
    QString m_directory;
};

class TfrmNewText : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNewText(QWidget *parent = nullptr);

    QLabel *pnlTitle = nullptr;
    QComboBox *dcb = nullptr;
    TFolderList *dlbFolder = nullptr;
    QLineEdit *txtFileName = nullptr;
    QPushButton *cmdMake = nullptr;
    QPushButton *Button2 = nullptr;

public slots:
    void FormShow();
    void cmdMakeClick();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void dcbChange();
};

// Creates the dialog, shows it modally and destroys it (the main window's
// file toolbar, the makers and the settings dialog).
void ShowNewText(QWidget *parent);
