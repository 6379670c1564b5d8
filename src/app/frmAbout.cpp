#include "app/frmAbout.h"

#include "platform/Platform.h"
#include "platform/Version.h"
#include "records/frmResultCommon.h"
#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 330;
constexpr int kHeight = 236;
}

// --- link label ------------------------------------------------------------------

TLightLabel::TLightLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setLook(Look::Normal);
}

void TLightLabel::setLook(Look look)
{
    m_look = look;
    // The theme's button text and link colours: black and blue in a light
    // theme, and readable in a dark one.
    const QPalette theme = QApplication::palette(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, theme.color(QPalette::Button));
    pal.setColor(QPalette::WindowText,
                 look == Look::Normal ? theme.color(QPalette::ButtonText) : theme.color(QPalette::Link));
    setPalette(pal);
    QFont f = font();
    f.setUnderline(look == Look::Over);
    f.setBold(look == Look::Down);
    setFont(f);
}

void TLightLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (m_look == Look::Normal)
        setLook(Look::Over);
}

void TLightLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (m_look == Look::Over)
        setLook(Look::Normal);
}

void TLightLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    setLook(Look::Down);
}

void TLightLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    const bool inside = rect().contains(event->position().toPoint());
    setLook(inside ? Look::Over : Look::Normal);
    if (inside && event->button() == Qt::LeftButton)
        emit clicked();
}

// --- about box -------------------------------------------------------------------

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Ulvendoについて"));
    setFont(DialogFont());

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));

    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(appIcon(QStringLiteral("ulvendo")).pixmap(32, 32));
    Image1->setFixedSize(32, 32);

    Label1 = new QLabel(QStringLiteral("Ulvendo"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont nameFont = PixelFont(QStringLiteral("ＭＳ Ｐ明朝"), 21);
    nameFont.setBold(true);
    Label1->setFont(nameFont);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = new QLabel(QStringLiteral("version ") + ProgramVersion(), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel(QStringLiteral("ご意見、ご感想やご要望をお聞かせください"), GroupBox1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    LightLabel1 = new TLightLabel(AuthorMailAddress(), GroupBox1);
    LightLabel1->setObjectName(QStringLiteral("LightLabel1"));
    LightLabel1->setAlignment(Qt::AlignCenter);

    auto *nameRow = new QHBoxLayout;
    nameRow->addStretch(1);
    nameRow->addWidget(Image1);
    nameRow->addSpacing(10);
    nameRow->addWidget(Label1);
    nameRow->addSpacing(42);
    nameRow->addStretch(1);

    auto *inside = new QVBoxLayout(GroupBox1);
    inside->setContentsMargins(12, 14, 12, 12);
    inside->setSpacing(8);
    inside->addLayout(nameRow);
    inside->addWidget(Label2);
    inside->addSpacing(6);
    inside->addWidget(Label3);
    auto *linkRow = new QHBoxLayout;
    linkRow->addStretch(1);
    linkRow->addWidget(LightLabel1);
    linkRow->addStretch(1);
    inside->addLayout(linkRow);

    Button1 = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setMinimumWidth(100);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(GroupBox1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TfrmAbout::Button1Click);
    connect(LightLabel1, &TLightLabel::clicked, this, &TfrmAbout::LightLabel1Click);

    setFixedSize(kWidth, kHeight);
    CenterOnScreen(this, QSize(kWidth, kHeight));
}

void TfrmAbout::Button1Click()
{
    accept();
}

void TfrmAbout::LightLabel1Click()
{
    platform().shellOpen(QStringLiteral("mailto:") + AuthorMailAddress());
}
