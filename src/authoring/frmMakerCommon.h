#pragma once
// What the question maker and the reference maker have in common: the black
// banner, the row that picks the target file from the recent files, the add
// and close buttons, the fixed window in the middle of the screen, and the
// target that entries are appended to.
#include <QDialog>
#include <functional>

#include "settings/RecentFiles.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
struct Settings;

class TfrmMaker : public QDialog
{
    Q_OBJECT
public:
    // Empties the boxes and takes the main window's current file as the
    // target. Runs by itself when the dialog is first shown.
    virtual void FormShow() = 0;
    virtual void cmdAddClick() = 0;

    void cmdNewTextClick();
    void cmdCloseClick();

    // The file that entries go to ("" = none chosen).
    QString target() const { return m_target; }

    // Shows the new text file dialog (set by the opener).
    std::function<void()> onNewText;

    QLabel *pnlBanner = nullptr;
    QPushButton *cmdNewText = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    TfrmMaker(Settings &settings, RecentList list, QWidget *parent);

    void showEvent(QShowEvent *event) override;

    // Names and captions the window, sets its font and makes the banner.
    void SetUpMaker(const QString &name, const QString &title, const QString &banner);
    // The target row of a kind ("Question", "Reference"): the label
    // "lbl<kind>File", the drop-down "cbo<kind>File", the button
    // "cmdSelect<kind>File" and the NEW button with its hint.
    QLabel *MakeFileRow(const QString &kind, const QString &caption, const QString &newTip,
                        QComboBox *&files, QPushButton *&select);
    QPushButton *MakeAddButton();
    QPushButton *MakeCloseButton();
    // The banner over a body holding the target row; the body is returned
    // for the window's own boxes.
    QVBoxLayout *StartLayout(QLabel *fileLabel, int spacing);
    // The buttons row under the body.
    void FinishLayout(QVBoxLayout *body, QHBoxLayout *buttons);
    // Connects the target row, NEW, add and close; fixes the size and puts
    // the window in the middle of the screen.
    void FinishMaker(int width, int height);

    // Fills the drop-down with the recent files.
    void FillFiles();
    // Asks for a target file below the program folder's `subfolder`, shows
    // its name and remembers it among the recent files.
    void ChooseTarget(const QString &subfolder, const QString &caption, const QString &filter);
    // The target follows the name in the drop-down.
    void FilesChanged();
    // Shows a failure in a warning box.
    void ShowError(const QString &message);

    Settings &m_settings;
    QString m_target;
    bool m_shown = false;

private:
    RecentList m_list;
    QComboBox *m_files = nullptr;
    QPushButton *m_select = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
