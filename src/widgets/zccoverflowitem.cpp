#include "zccoverflowitem.h"

ZCCoverFlowItem::ZCCoverFlowItem(const QString& titulo, const QString& path, QObject* parent)
    : QObject(parent)
    , m_titulo(titulo)
    , m_path(path)
{
}

ZCCoverFlowItem::ZCCoverFlowItem(const QString& titulo, const QImage& image, QObject* parent)
    : QObject(parent)
    , m_titulo(titulo)
{
    SetImage(image);
}

ZCCoverFlowItem::ZCCoverFlowItem(QObject* parent)
    : QObject(parent)
{
}

ZCCoverFlowItem::~ZCCoverFlowItem() = default;

void ZCCoverFlowItem::SetImage(QImage image)
{
    if (image.isNull()) {
        ClearImage();
        return;
    }
    m_needImage = false;
    if (m_image)
        *m_image = std::move(image);
    else
        m_image = std::make_unique<QImage>(std::move(image));
    emit imageChanged();
}

void ZCCoverFlowItem::ClearImage()
{
    m_needImage = false;
    if (!m_image)
        return;
    m_image.reset();
    emit imageChanged();
}
