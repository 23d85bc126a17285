#include "zctitlebarwidget.h"

#include "zcdockwidget.h"

#include "style/zcicon.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionDockWidget>
#include <QToolButton>

ZCTitleBarWidget::ZCTitleBarWidget(ZCDockWidget* dock)
    : QWidget(dock)
    , m_autoHideButton(addButton(ZCIcon(QStringLiteral(":/Resources/tg_autohide.png")),
                                 QStringLiteral("autoHideButton"), tr("Ocultar automáticamente")))
    , m_floatButton(addButton(style()->standardIcon(QStyle::SP_TitleBarNormalButton, nullptr, dock),
                              QStringLiteral("floatButton"), tr("Flotante")))
    , m_closeButton(addButton(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, dock),
                              QStringLiteral("closeButton"), tr("Cerrar")))
{
    connect(m_autoHideButton, &QToolButton::clicked, dock, &ZCDockWidget::onAutoOcultable);
    connect(m_floatButton, &QToolButton::clicked, dock, &ZCDockWidget::onFloating);
    connect(m_closeButton, &QToolButton::clicked, dock, &QWidget::close);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    layout->addStretch();
    layout->addWidget(m_autoHideButton);
    layout->addWidget(m_floatButton);
    layout->addWidget(m_closeButton);
}

ZCTitleBarWidget::~ZCTitleBarWidget() = default;

QToolButton* ZCTitleBarWidget::addButton(const QIcon& icon, const QString& name,
                                         const QString& accessibleName)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setAutoRaise(true);
    button->setIcon(icon);
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    button->setMaximumSize(side, side);
    return button;
}

ZCDockWidget* ZCTitleBarWidget::dock() const
{
    return static_cast<ZCDockWidget*>(parentWidget());
}

void ZCTitleBarWidget::ShowAutoHideState(bool autoHidden, bool floating)
{
    m_autoHideButton->setVisible(autoHidden || !floating);
    m_closeButton->setVisible(autoHidden || !floating);
    m_floatButton->setVisible(!autoHidden && !floating);
    m_autoHideButton->setDown(!autoHidden);
}

QSize ZCTitleBarWidget::sizeHint() const
{
    return minimumSizeHint();
}

QSize ZCTitleBarWidget::minimumSizeHint() const
{
    const QStyle* style = this->style();
    const int margin = style->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, dock());
    const int icon = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int overlap = style->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const QSize size(2 * margin + 3 * icon, 2 * margin + overlap + icon);
    if (dock()->features() & QDockWidget::DockWidgetVerticalTitleBar)
        return size.transposed();
    return size;
}

void ZCTitleBarWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QStyleOptionDockWidget option;
    dock()->initStyleOption(&option);
    option.rect = rect();
    QPainter painter(this);
    style()->drawControl(QStyle::CE_DockWidgetTitle, &option, &painter, dock());
}
