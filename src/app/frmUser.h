#pragma once
// The user dialog: pick a registered user or type a new name. It reads and
// writes User.ini itself and sets the current user name and the user count
// of the settings it is given.
#include <QDialog>

struct Settings;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class TfrmUser : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmUser(Settings &settings, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QComboBox *cboUserName = nullptr;   // editable
    QCheckBox *chkNotShow = nullptr;
    QPushButton *cmdOk = nullptr;

    // True once OK has registered a user (the dialog then closes accepted).
    bool Chosen = false;

public slots:
    void FormShow();
    void chkNotShowClick();
    void cmdOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings &m_settings;
    bool m_shown = false;
};
