// The report engine sits below the library and cannot call the barcode classes itself; the
// library hands it a painter that does, for as long as the library is loaded.
#include "barcode/zcbarcode.h"

#include <ncreportbarcodepainter.h>

namespace {

bool paintBarcode(QPainter* painter, const QRect& rect, int type, const QString& data, const QColor& color)
{
    const std::unique_ptr<ZCBarCode> code = ZCBarCode::Create(type);
    if (!code)
        return false;
    code->SetDato(data);
    if (data.isEmpty() || !code->IsDatoOK())
        return false;
    code->SetColorBarras(color);
    code->Draw(painter, rect);
    return true;
}

struct BarcodeHook {
    BarcodeHook() { NCReportBarcodePainter::install(&paintBarcode); }
    ~BarcodeHook()
    {
        if (NCReportBarcodePainter::installed() == &paintBarcode)
            NCReportBarcodePainter::install(nullptr);
    }
};

const BarcodeHook barcodeHook;

} // namespace
