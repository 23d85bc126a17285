// Random data through Interleaved 2 of 5.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCodeInterleaved25.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    ZCBarCodeInterleaved25 code;
    fuzzbarcode::checkDrawing(code, input);
    // Valid data ends up of even length once drawn.
    if (code.IsDatoOK() && code.GetDato().size() % 2)
        std::abort();
    return 0;
}
