#include "records/frmShowGraph.h"

#include "platform/Clock.h"
#include "records/frmResultCommon.h"
#include "records/frmViewCommon.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(377, 366);

QFont labelFont()
{
    return PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 10);
}
}

namespace {

// The axes and labels, drawn in the picture's own coordinates on a device
// of any pixel ratio.
void paintBackground(QPainter &p, GraphType type)
{
    p.fillRect(QRect(0, 0, TGraphImage::ImageWidth, TGraphImage::ImageHeight), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));
    p.setFont(labelFont());
    const int axisX = GraphOrigin.x();
    const int axisY = GraphOrigin.y();
    p.drawLine(axisX, GraphAxisTop, axisX, axisY);
    p.drawLine(GraphAxisLeft, axisY, GraphAxisRight, axisY);

    // Vertical labels 0 .. 100, right-aligned just left of the axis, with
    // a short tick at each step.
    for (int tens = 0; tens <= 10; ++tens) {
        const int y = GraphTenY(tens);
        p.drawLine(axisX - 3, y, axisX, y);
        p.drawText(QRect(14, y - 7, axisX - 18, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(tens * 10));
    }
    p.drawText(QRect(0, 62, 16, 40), Qt::AlignCenter, QStringLiteral("(%)"));

    // Horizontal labels 1 .. 12 under the point positions, the unit below.
    for (int k = 1; k <= GraphPoints; ++k) {
        const int x = GraphX(k, QStringLiteral("1"));
        p.drawLine(x, axisY, x, axisY + 3);
        p.drawText(QRect(x - 10, axisY + 4, 20, 13), Qt::AlignCenter, QString::number(k));
    }
    const QString unit = type == GraphType::Monthly ? QStringLiteral("(月)") : QStringLiteral("(回目)");
    p.drawText(QRect(GraphAxisLeft, axisY + 18, GraphAxisRight - GraphAxisLeft, 14), Qt::AlignCenter,
               unit);
}

} // namespace

QImage GraphBackground(GraphType type)
{
    QImage image(TGraphImage::ImageWidth, TGraphImage::ImageHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paintBackground(p, type);
    p.end();
    // The picture proper is 326 x 199; the drawing area around it stays white.
    return image;
}

TGraphImage::TGraphImage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("imgGraph"));
    setFixedSize(ImageWidth, ImageHeight);
    SetBackground(GraphType::Monthly);
}

void TGraphImage::SetBackground(GraphType type)
{
    m_type = type;
    m_lines.clear();
    m_picture = GraphBackground(type);
    update();
}

void TGraphImage::DrawLine(const QVector<QPoint> &points, int colorNumber)
{
    const QColor color = ColorFromNumber(colorNumber);
    m_lines.append({points, color});
    for (int i = 1; i < points.size(); ++i) {
        for (const QPoint &px : SegmentPixels(points.at(i - 1), points.at(i))) {
            if (m_picture.valid(px))
                m_picture.setPixelColor(px, color);
        }
    }
    update();
}

void TGraphImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal ratio = p.device()->devicePixelRatioF();
    if (ratio <= 1.0) {
        p.drawImage(0, 0, m_picture);
        return;
    }
    // On a screen with more pixels per point the axes, labels and lines are
    // drawn at its resolution instead of enlarging the picture.
    QImage sharp(QSize(ImageWidth, ImageHeight) * ratio, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(ratio);
    QPainter q(&sharp);
    paintBackground(q, m_type);
    for (const auto &line : m_lines) {
        q.setPen(QPen(line.second, 1.0));
        q.drawPolyline(line.first.constData(), int(line.first.size()));
    }
    q.end();
    p.drawImage(QRect(0, 0, ImageWidth, ImageHeight), sharp);
}

TfrmShowGraph::TfrmShowGraph(const Settings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    Panel1 = SetUpView(this, QStringLiteral("frmShowGraph"), QStringLiteral("グラフの表示"),
                       QStringLiteral("ここでは、正解率をグラフで表示します"));

    rgType = new QGroupBox(QStringLiteral("表示する正解率は？"), this);
    rgType->setObjectName(QStringLiteral("rgType"));
    rbMonthly = new QRadioButton(QStringLiteral("毎月の正解率"), rgType);
    rbMonthly->setObjectName(QStringLiteral("rbMonthly"));
    rbRecent = new QRadioButton(QStringLiteral("毎回の正解率"), rgType);
    rbRecent->setObjectName(QStringLiteral("rbRecent"));
    auto *group = new QButtonGroup(rgType);
    group->addButton(rbMonthly, 0);
    group->addButton(rbRecent, 1);
    rbMonthly->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &TfrmShowGraph::rgTypeClick);
    auto *types = new QHBoxLayout(rgType);
    types->setContentsMargins(10, 2, 10, 4);
    types->addWidget(rbMonthly, 1);
    types->addWidget(rbRecent, 1);

    const QDateTime now = Clock::currentTime();
    MakeCollectionYearChoice(this, m_settings, now, Label1, cboQuestionFile, Label2, cboYear);

    imgGraph = new TGraphImage(this);

    cmdView = MakeViewButton(this, QStringLiteral("cmdView"), QStringLiteral("表示 (&V)"), true,
                             &TfrmShowGraph::cmdViewClick);
    cmdClear = MakeViewButton(this, QStringLiteral("cmdClear"), QStringLiteral("グラフを消す (&D)"),
                              false, &TfrmShowGraph::cmdClearClick);
    cmdClose = MakeViewCloseButton(this, QStringLiteral("cmdClose"), false);

    auto *choices = new QHBoxLayout;
    choices->setSpacing(2);
    choices->addWidget(Label1);
    choices->addWidget(cboQuestionFile, 1);
    choices->addSpacing(8);
    choices->addWidget(Label2);
    choices->addWidget(cboYear);
    cboYear->setMinimumWidth(64);

    auto *picture = new QHBoxLayout;
    picture->addStretch(1);
    picture->addWidget(imgGraph);
    picture->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdView);
    buttons->addWidget(cmdClear);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 2, 12, 0);
    body->setSpacing(5);
    body->addWidget(rgType);
    body->addLayout(choices);
    body->addLayout(picture);
    body->addStretch(1);
    body->addLayout(buttons);
    FinishView(this, Panel1, body, 8, 4, kClientSize);
}

int TfrmShowGraph::TypeIndex() const
{
    return rbRecent->isChecked() ? 1 : 0;
}

void TfrmShowGraph::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmShowGraph::FormShow()
{
    m_shown = true;
    rbMonthly->setChecked(true);
    imgGraph->SetBackground(GraphType::Monthly);
    m_pen = 0;
}

void TfrmShowGraph::cmdViewClick()
{
    const int color = GraphPenColor(m_pen);
    m_pen = NextGraphPen(m_pen);
    const GraphType type = TypeIndex() == 1 ? GraphType::Recent : GraphType::Monthly;
    const QStringList rates = ReadGraphRates(m_settings, type,
                                             ViewBaseName(cboQuestionFile->currentText()),
                                             cboYear->currentText());
    imgGraph->DrawLine(GraphLine(rates), color);
}

void TfrmShowGraph::cmdClearClick()
{
    imgGraph->SetBackground(TypeIndex() == 1 ? GraphType::Recent : GraphType::Monthly);
}

void TfrmShowGraph::rgTypeClick()
{
    cmdClearClick();
}
