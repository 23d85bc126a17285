#pragma once

#include <QHash>
#include <QProxyStyle>
#include <QStyleFactory>

/*!
    Fusion with chosen layout metrics, so that tests can predict margins and spacings.
*/
class KnownMetricsStyle : public QProxyStyle
{
public:
    explicit KnownMetricsStyle(const QHash<PixelMetric, int>& metrics)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
        , m_metrics(metrics)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override
    {
        const auto known = m_metrics.constFind(metric);
        return known != m_metrics.cend() ? *known : QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    QHash<PixelMetric, int> m_metrics;
};
