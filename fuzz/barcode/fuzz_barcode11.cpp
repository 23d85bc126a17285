// Random data through Code 11 and its check characters.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCode11.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    ZCBarCode11 code;
    fuzzbarcode::checkDrawing(code, input);
    // The check calculation takes any count, inside the data or not.
    ZCBarCode11::CalculaCheck(input.dato, input.choice - 128, input.choice % 12);
    return 0;
}
