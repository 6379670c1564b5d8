#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QRegularExpression>
#include <QTextEdit>
#include <QWidget>
#include <climits>

namespace {

// "問題集 ： " -> "問題集", "出題数を増やす (&U)" -> "出題数を増やす"
QString cleanLabel(QString text)
{
    // Each window names all its controls when first shown: the patterns are
    // made once, and only run on a label that can hold what they remove.
    static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
    static const QRegularExpression accessKey(QStringLiteral("\\s*\\(&.\\)"));
    if (text.contains(QLatin1Char('<')))
        text.remove(markup);
    if (text.contains(QLatin1String("(&")))
        text.remove(accessKey);
    text.remove(QLatin1Char('&'));
    for (const QString &tail : {QStringLiteral("："), QStringLiteral(":")})
        if (text.trimmed().endsWith(tail))
            text = text.trimmed().chopped(1);
    return text.simplified();
}

// A part of another control: the edit box of a drop-down, the scroll bars
// and viewport of a view.
bool isPartOfAnother(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractItemView *>(p)
            || qobject_cast<const QTextEdit *>(p) || qobject_cast<const QPlainTextEdit *>(p)
            || qobject_cast<const QAbstractSpinBox *>(p) || qobject_cast<const QTabBar *>(p))
            return true;
    return false;
}

QString buddyLabel(const QWidget *w)
{
    const QWidget *top = w->window();
    for (const QLabel *l : top->findChildren<QLabel *>())
        if (l->buddy() == w && !cleanLabel(l->text()).isEmpty())
            return cleanLabel(l->text());
    return QString();
}

// The label just before `w` in the layout that holds it.
QString precedingLabel(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return QString();
    QList<QLayout *> layouts = parent->findChildren<QLayout *>();
    if (parent->layout())
        layouts.prepend(parent->layout());
    for (QLayout *layout : layouts) {
        const int i = layout->indexOf(const_cast<QWidget *>(w));
        if (i < 0)
            continue;
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row, col, rs, cs;
            grid->getItemPosition(i, &row, &col, &rs, &cs);
            for (int c = col - 1; c >= 0; --c)
                if (QLayoutItem *item = grid->itemAtPosition(row, c))
                    if (auto *l = qobject_cast<QLabel *>(item->widget()))
                        return cleanLabel(l->text());
            return QString();
        }
        for (int k = i - 1; k >= 0; --k) {
            QWidget *before = layout->itemAt(k)->widget();
            if (!before)
                continue;
            if (auto *l = qobject_cast<QLabel *>(before))
                return cleanLabel(l->text());
            return QString();
        }
        return QString();
    }
    return QString();
}

// The label at the left of `w` on its line, or else the one just above it,
// as the window shows them.
QString labelOnScreen(const QWidget *w)
{
    const QWidget *window = w->window();
    if (!w->isVisibleTo(window))
        return QString();
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    const QLabel *left = nullptr;
    const QLabel *above = nullptr;
    int leftGap = INT_MAX;
    int aboveGap = INT_MAX;
    for (const QLabel *l : window->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(window) || cleanLabel(l->text()).isEmpty() || l->text().contains(QLatin1String("<a ")))
            continue;
        const QRect lr(l->mapTo(window, QPoint(0, 0)), l->size());
        const int cy = lr.center().y();
        if (cy >= r.top() && cy <= r.bottom() && lr.right() <= r.left() + 2 && r.left() - lr.right() < leftGap) {
            leftGap = r.left() - lr.right();
            left = l;
        } else if (lr.bottom() <= r.top() + 2 && r.top() - lr.bottom() < 40 && lr.left() < r.right()
                   && lr.right() > r.left() && r.top() - lr.bottom() < aboveGap) {
            aboveGap = r.top() - lr.bottom();
            above = l;
        }
    }
    if (left && leftGap < 200)
        return cleanLabel(left->text());
    return above ? cleanLabel(above->text()) : QString();
}

// Qt's own overflow buttons of toolbars and the menu bar.
QString qtPartName(const QWidget *w)
{
    if (w->objectName() == QLatin1String("qt_toolbar_ext_button"))
        return QStringLiteral("ツールバーの残りのボタン");
    if (w->objectName() == QLatin1String("qt_menubar_ext_button"))
        return QStringLiteral("メニューバーの残りのメニュー");
    return QString();
}

QString groupTitle(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (auto *g = qobject_cast<const QGroupBox *>(p))
            return cleanLabel(g->title());
    return QString();
}

} // namespace

bool IsInteractiveControl(const QWidget *w)
{
    if (!w || isPartOfAnother(w))
        return false;
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractItemView *>(w)
           || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
           || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractSlider *>(w)
           || (qobject_cast<const QLabel *>(w)
               && static_cast<const QLabel *>(w)->text().contains(QLatin1String("<a ")));
}

QString AccessibleNameOf(const QWidget *w)
{
    if (!w->accessibleName().trimmed().isEmpty())
        return w->accessibleName().trimmed();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return cleanLabel(b->text());
    if (auto *l = qobject_cast<const QLabel *>(w))
        return cleanLabel(l->text());
    return QString();
}

void NameControls(QWidget *root)
{
    QList<QWidget *> all = root->findChildren<QWidget *>();
    all.prepend(root);
    for (QWidget *w : all) {
        if (!IsInteractiveControl(w) || !AccessibleNameOf(w).isEmpty())
            continue;
        QString name = qtPartName(w);
        if (name.isEmpty())
            name = buddyLabel(w);
        if (name.isEmpty())
            name = precedingLabel(w);
        if (name.isEmpty())
            name = labelOnScreen(w);
        if (name.isEmpty())
            name = cleanLabel(w->toolTip());
        if (name.isEmpty())
            name = groupTitle(w);
        if (!name.isEmpty())
            w->setAccessibleName(name);
    }
}

namespace {

class NameOnShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            NameControls(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void NameControlsWhenShown(QWidget *window)
{
    NameControls(window);
    window->installEventFilter(new NameOnShow(window));
}
