// The formula control composing and receiving random texts: the first line is the data-source
// entries (separated by '|', an empty one is the no-data-source choice), the second the
// expression received, the rest what the user types. Every edit comes out once at most, and an
// expression received is never sent back.
#include "fuzzapplication.h"

#include <Mirokit/ZCNCReportFieldEditControl.h>

#include <QApplication>
#include <QComboBox>

#include <cstdint>
#include <cstdlib>

namespace {

class Control : public ZCNCReportFieldEditControl
{
public:
    explicit Control(bool wrap)
        : ZCNCReportFieldEditControl(wrap, nullptr)
    {
        connect(this, &ZCNCReportFieldEditControl::textEdited, this, [this](const QString& text) {
            ++edits;
            SetText(text);  // the dialog's field feeding it back, as the property dialogs do
        });
    }
    void type(const QString& text) { emitTextEdited(text); }
    int edits = 0;
    int shown = 0;

protected:
    void SetTextEditor(const QString&) override { ++shown; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApplication(dropFuzzMessages);

    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)).split(QLatin1Char('\n'));
    Control control(size % 2 == 0);
    const QStringList entries = lines.value(0).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& entry : entries.mid(0, 8))
        control.dataSourceCombo()->addItem(entry, entry);
    if (lines.value(0).startsWith(QLatin1Char('|')))
        control.AddDataSourceVacio(QStringLiteral("%CONST"));

    control.SetText(lines.value(1));
    if (control.edits != 0 || control.shown != 1)
        std::abort();
    for (const QString& typed : lines.mid(2, 16)) {
        const int before = control.edits;
        control.type(typed);
        if (control.edits > before + 1 || control.shown != 1)
            std::abort();
    }
    return 0;
}
