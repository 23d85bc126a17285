// Random operations on a paginator: totals and pages set by code, flags, text typed into the
// page field (any bytes), the slider, the four buttons' slots and custom actions made and
// deleted. After each step: code never emits, the user's moves emit at most once and only the
// page that became current, a page taken from the field lies within the total, and the field
// shows the current page after code set it.
#include "fuzzapplication.h"

#include <Mirokit/ZCPaginadorToolbar.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class Input
{
public:
    Input(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_position >= m_size; }
    int next(int bound) { return atEnd() ? 0 : m_data[m_position++] % bound; }
    quint32 next32()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | quint32(next(256));
        return value;
    }
    // Mostly small numbers, now and then any 32-bit value.
    quint32 number() { return next(8) == 0 ? next32() : quint32(next(40)); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};

class Paginator : public ZCPaginadorToolbar
{
public:
    using ZCPaginadorToolbar::ZCPaginadorToolbar;
    using ZCPaginadorToolbar::onPaginaTextEdit;

    QLineEdit* edit() const { return findChild<QLineEdit*>(); }
    QSlider* slider() const { return findChild<QSlider*>(); }
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApplication();

    Input input(data, size);
    Paginator bar(input.number(), nullptr, input.number(), unsigned(input.next(256)));
    std::vector<std::unique_ptr<QAction>> custom;
    QList<uint> emitted;
    QObject::connect(&bar, &ZCPaginadorToolbar::numPaginaChanged, [&emitted](uint page) { emitted.append(page); });

    int steps = 0;
    while (!input.atEnd() && ++steps < 64) {
        emitted.clear();
        const quint32 before = bar.GetPaginaActual();
        const quint32 total = bar.GetTotalPaginas();
        bool byCode = true;
        bool pageSet = false;
        switch (input.next(10)) {
        case 0:
            pageSet = true;
            bar.SetTotalPaginas(input.number());
            check(bar.GetPaginaActual() == std::min(before, bar.GetTotalPaginas()));
            break;
        case 1: {
            pageSet = true;
            const quint32 newTotal = input.number(), page = input.number();
            bar.SetTotalPaginas(newTotal, page);
            check(bar.GetPaginaActual() == (newTotal ? page : 0));
            break;
        }
        case 2: {
            pageSet = true;
            const quint32 page = input.number();
            bar.SetPaginaActual(page);
            check(bar.GetPaginaActual() == page);
            break;
        }
        case 3:
            bar.SetFlags(unsigned(input.next(256)));
            break;
        case 4:
            byCode = false;
            if (QLineEdit* edit = bar.edit()) {
                QByteArray typed;
                for (int i = input.next(12); i > 0; --i)
                    typed.append(char(input.next(256)));
                edit->setText(QString::fromLatin1(typed));
                bar.onPaginaTextEdit();
                if (!emitted.isEmpty())
                    check(bar.GetPaginaActual() >= 1 && bar.GetPaginaActual() <= total);
            }
            break;
        case 5:
            byCode = false;
            if (QSlider* slider = bar.slider())
                slider->setValue(int(input.next32() % 100000) - 10);
            break;
        case 6: {
            byCode = false;
            const int which = input.next(4);
            if (which == 0) bar.onPrimeraPagina();
            if (which == 1) bar.onUltimaPagina();
            if (which == 2) bar.onPaginaAnterior();
            if (which == 3) bar.onPaginaSiguiente();
            // Moving from a page within the total never leaves it.
            if (before >= 1 && before <= total)
                check(bar.GetPaginaActual() >= 1 && bar.GetPaginaActual() <= total);
            break;
        }
        case 7:
            custom.push_back(std::make_unique<QAction>(QStringLiteral("accion")));
            bar.InsertarAccion(custom.back().get());
            break;
        case 8:
            if (!custom.empty())
                custom.erase(custom.begin() + input.next(int(custom.size())));
            check(bar.GetAccionesPersonalizadas().size() <= int(custom.size()));
            break;
        default:
            bar.setOrientation(bar.orientation() == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
        check(emitted.size() <= (byCode ? 0 : 1));
        if (!emitted.isEmpty())
            check(emitted.first() == bar.GetPaginaActual() && emitted.first() != before);
        if (pageSet && bar.edit())
            check(bar.edit()->text() == QString::number(bar.GetPaginaActual()).left(bar.edit()->maxLength()));
    }
    return 0;
}
