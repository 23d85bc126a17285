// "Cover flow": five hundred generated covers whose images a worker thread paints only when the
// widget asks for them, with type-ahead on the titles and the widget's signals shown as they come.
#include "gallerypage.h"

#include <Mirokit/ZCCoverFlow.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QThread>
#include <QVBoxLayout>

namespace {

const char* const words[] = {"Álamo", "Bahía", "Cañón", "Delta", "Élite", "Faro", "Glaciar", "Híbrido",
                             "Índigo", "Jara", "Kiosco", "Laúd", "Marea", "Nube", "Ñandú", "Órbita",
                             "Pingüino", "Quásar", "Río", "Sésamo", "Túnel", "Úbeda", "Vértice", "Zócalo"};
constexpr int coverCount = 500;

QString titleOf(int index)
{
    const int wordCount = int(sizeof(words) / sizeof(words[0]));
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(words[index % wordCount])).arg(index + 1, 3, 10, QLatin1Char('0'));
}

// Paints the covers on its own thread and hands them to the widget from there: SetImageItem() may
// be called from any thread. The widget asks again on every paint until it has the image, so
// each index is painted once.
class CoverPainter : public QObject
{
public:
    explicit CoverPainter(ZCCoverFlow* flow)
        : flow(flow)
    {
    }

    void paint(int index)
    {
        if (done.contains(index))
            return;
        done.insert(index);
        QImage image(375, 300, QImage::Format_RGB32);
        QLinearGradient gradient(0, 0, 375, 300);
        gradient.setColorAt(0, QColor::fromHsv(index * 37 % 360, 160, 230));
        gradient.setColorAt(1, QColor::fromHsv(index * 37 % 360, 220, 90));
        QPainter painter(&image);
        painter.fillRect(image.rect(), gradient);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Roboto"), 30, QFont::Bold));
        painter.drawText(image.rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, titleOf(index));
        painter.end();
        flow->SetImageItem(index, image);
    }

private:
    ZCCoverFlow* flow; // outlives the thread: the page stops the thread first
    QSet<int> done;
};

class CoverFlowPage : public QWidget
{
public:
    CoverFlowPage()
        : flow(new ZCCoverFlow)
    {
        auto* layout = new QVBoxLayout(this);
        auto* options = new QHBoxLayout;
        auto* titles = new QCheckBox(QStringLiteral("Títulos"));
        titles->setChecked(true);
        options->addWidget(titles);
        options->addWidget(new QLabel(QStringLiteral("Flechas, rueda o clic a los lados; escriba el principio de un "
                                                     "título (\u00ABele\u00BB encuentra \u00ABÉlite\u00BB).")),
                           1);
        layout->addLayout(options);
        layout->addWidget(flow, 1);
        auto* status = new QLabel(QStringLiteral("Seleccione una portada."));
        layout->addWidget(status);

        for (int i = 0; i < coverCount; ++i)
            flow->AddItem();
        for (int i = 0; i < coverCount; ++i)
            flow->SetTituloItem(i, titleOf(i));
        flow->SelectAtIndex(coverCount / 2);

        auto* painter = new CoverPainter(flow);
        painter->moveToThread(&thread);
        connect(&thread, &QThread::finished, painter, &QObject::deleteLater);
        connect(flow, &ZCCoverFlow::needImage, painter, &CoverPainter::paint);
        thread.start();

        connect(titles, &QCheckBox::toggled, flow, &ZCCoverFlow::SetTituloVisible);
        const auto report = [status](const QString& text) { status->setText(text); };
        connect(flow, &ZCCoverFlow::currentSelChanged, this,
                [report](int current, int) { report(QStringLiteral("Portada %1: %2").arg(current + 1).arg(titleOf(current))); });
        connect(flow, &ZCCoverFlow::activated, this,
                [report](int index) { report(QStringLiteral("Activada: %1").arg(titleOf(index))); });
        connect(flow, &ZCCoverFlow::iniciarDrag, this,
                [report](QWidget*) { report(QStringLiteral("Arrastre iniciado desde la portada.")); });
    }

    ~CoverFlowPage() override
    {
        thread.quit();
        thread.wait();
    }

private:
    ZCCoverFlow* flow;
    QThread thread;
};

} // namespace

MIROKIT_GALLERY_PAGE(85, "Cover flow", [] { return new CoverFlowPage; });
