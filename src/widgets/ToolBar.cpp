#include "widgets/ToolBar.h"

#include "widgets/Icons.h"

#include <QToolButton>

TToolBar::TToolBar(const QString &caption, QWidget *parent) : QToolBar(caption, parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QToolButton *TToolBar::addButton(const QString &name, const QString &iconName, const QString &hint)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(appIcon(iconName));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(hint);
    b->setAccessibleName(hint); // an icon-only button is named after its command
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    addWidget(b);
    return b;
}

void TToolBar::finish()
{
    addSeparator();
    m_close = new QToolButton(this);
    m_close->setObjectName(objectName() + QStringLiteral("_close"));
    m_close->setIcon(appIcon(QStringLiteral("close")));
    m_close->setIconSize(QSize(8, 8));
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setToolTip(windowTitle());
    m_close->setAccessibleName(windowTitle() + QStringLiteral("を閉じる"));
    addWidget(m_close);
    connect(m_close, &QToolButton::clicked, this, [this] {
        hide();
        emit closeClicked();
    });
}
