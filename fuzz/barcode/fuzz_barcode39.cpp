// Random data through Code 39 and its full-ASCII form.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCode39Ext.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    const auto code = ZCBarCode::Create(input.choice % 2 ? BarCode39Ext : BarCode39);
    fuzzbarcode::checkDrawing(*code, input);
    // Drawing full ASCII never changes the stored data.
    if (code->GetDato() != input.dato)
        std::abort();
    return 0;
}
