// Random data through EAN-13, EAN-8 and UPC-A.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCodeEanUpc.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    const auto code = ZCBarCode::Create(input.choice % 3); // EAN-13, EAN-8 or UPC-A
    fuzzbarcode::checkDrawing(*code, input);
    // A valid symbol carries its own check digit.
    const auto* eanUpc = static_cast<const ZCBarCodeEanUpc*>(code.get());
    if (code->IsDatoOK() && eanUpc->CalculaCheck(false) != code->GetDato().back())
        std::abort();
    return 0;
}
