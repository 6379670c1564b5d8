#pragma once
// The summary at the end of a drill: congratulations when every answer was
// right, otherwise the end notice and the way to the error review.
#include <QDialog>

class QLabel;
class QPushButton;
class TfrmMain;

class TfrmResult : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmResult(TfrmMain *main, QWidget *parent = nullptr);

    QLabel *lblResult = nullptr;
    QLabel *lblData = nullptr;
    QPushButton *cmdShowError = nullptr;
    QPushButton *cmdClose = nullptr;

public slots:
    // Opens the error review of the drill just finished.
    void cmdShowErrorClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TfrmMain *m_main;
};
