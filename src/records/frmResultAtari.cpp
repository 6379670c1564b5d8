#include "records/frmResultAtari.h"

#include "app/frmMain.h"
#include "widgets/Look.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(409, 234);
const QString kTitleFace = QStringLiteral("ＭＳ 明朝");
}

QString TfrmResultAtari::DataText(int asked, const QString &rate)
{
    return QStringLiteral("出題数 ： ") + QString::number(asked) + QStringLiteral("問、正解率 ： ")
           + rate + QStringLiteral("％");
}

TfrmResultAtari::TfrmResultAtari(TfrmMain *main, QWidget *parent)
    : TResultDialogBase(main, parent)
{
    setObjectName(QStringLiteral("frmResultAtari"));
    setWindowTitle(QStringLiteral("☆正解です☆"));
    const Settings &s = main->settings;
    const DrillState &d = main->drill;

    pnlTitle = MakeBlackPanel(this, QStringLiteral("pnlTitle"));
    lblTitle = MakeStyledLabel(pnlTitle, QStringLiteral("lblTitle"), QStringLiteral("☆ 正解 ☆"),
                               kTitleFace, 40, true, ColorFromNumber(16744448));
    lblData = MakeStyledLabel(pnlTitle, QStringLiteral("lblData"), DataText(d.QAskedCount, d.QRate),
                              kTitleFace, 20, true, QColor(192, 192, 192));
    for (QLabel *l : {lblTitle, lblData})
        l->setAlignment(Qt::AlignCenter);
    auto *title = new QVBoxLayout(pnlTitle);
    title->setContentsMargins(4, 2, 4, 4);
    title->setSpacing(0);
    title->addWidget(lblTitle);
    title->addWidget(lblData);

    moComment = new QTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    StyleMemo(moComment, FaceFont(s.FontComment, s.FontCommentSize), s.FontCommentColor);
    SetMemoLine(moComment, d.CommentText);

    cmdOK = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    levels->addTo(bottom);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(pnlTitle);
    layout->addWidget(moComment, 1);
    layout->addLayout(bottom);

    SetUpImportance();
    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
    cmdOK->setFocus();
}
