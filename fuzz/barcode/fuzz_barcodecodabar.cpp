// Random data through Codabar.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCodeCodabar.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    ZCBarCodeCodabar code;
    fuzzbarcode::checkDrawing(code, input);
    return 0;
}
