// Reflowing 1,000 tags between two widths, so that most of them change rows every time. The
// baseline is a flow layout that places each item at its size hint directly, as in Qt's flow
// layout example; ours keeps its rows as box layouts and moves only the items that change rows.
#include "benchmark.h"

#include <Mirokit/ZCFlowLayout.h>

#include <QApplication>
#include <QLabel>
#include <QLayout>

namespace {

constexpr int tagCount = 1000;

class DirectFlowLayout : public QLayout
{
public:
    explicit DirectFlowLayout(QWidget* parent) : QLayout(parent) {}
    ~DirectFlowLayout() override { qDeleteAll(m_items); }

    void addItem(QLayoutItem* item) override { m_items.append(item); }
    int count() const override { return m_items.size(); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override
    {
        return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
    }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override
    {
        QSize size;
        for (const QLayoutItem* item : m_items)
            size = size.expandedTo(item->minimumSize());
        return size;
    }
    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        const int space = spacing();
        int x = rect.x();
        int y = rect.y();
        int lineHeight = 0;
        for (QLayoutItem* item : qAsConst(m_items)) {
            const QSize hint = item->sizeHint();
            int nextX = x + hint.width() + space;
            if (nextX - space > rect.right() && lineHeight > 0) {
                x = rect.x();
                y += lineHeight + space;
                nextX = x + hint.width() + space;
                lineHeight = 0;
            }
            item->setGeometry(QRect(QPoint(x, y), hint));
            x = nextX;
            lineHeight = std::max(lineHeight, hint.height());
        }
    }

private:
    QList<QLayoutItem*> m_items;
};

void fill(QWidget& window, QLayout* layout, bool ours, bool shown)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (int i = 0; i < tagCount; ++i) {
        auto* tag = new QLabel(QStringLiteral("etiqueta %1").arg(i * 7919 % 100000));
        if (ours)
            static_cast<ZCFlowLayout*>(layout)->addWidget(tag);
        else
            layout->addWidget(tag);
    }
    window.resize(800, 4000);
    if (!shown)
        return;
    window.show();
    QApplication::processEvents();
    // Without an event loop the pending repaint region would only grow from one round to the
    // next, and the measure would be of QRegion, not of the layouts. Move and resize events
    // still reach the tags.
    window.setUpdatesEnabled(false);
}

void compareReflow(const QString& name, bool shown)
{
    QWidget oursWindow;
    auto* ours = new ZCFlowLayout(ZCFlowLayout::Filas, &oursWindow);
    fill(oursWindow, ours, true, shown);
    QWidget baselineWindow;
    auto* baseline = new DirectFlowLayout(&baselineWindow);
    fill(baselineWindow, baseline, false, shown);

    const QRect wide(0, 0, 1200, 4000);
    const QRect narrow(0, 0, 700, 4000);
    bool oursWide = false;
    bool baselineWide = false;
    bench::compare(name, [&] { ours->setGeometry((oursWide = !oursWide) ? wide : narrow); },
                   [&] { baseline->setGeometry((baselineWide = !baselineWide) ? wide : narrow); }, 50);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    compareReflow(QStringLiteral("reflow 1000 tags between two widths, shown"), true);
    compareReflow(QStringLiteral("reflow 1000 tags between two widths, hidden (layout work alone)"), false);
    return 0;
}
