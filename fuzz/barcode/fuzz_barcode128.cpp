// Random data through the Code 128 syntax.
#include "fuzzbarcode.h"

#include <Mirokit/ZCBarCode128.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzbarcode::Input input;
    if (!fuzzbarcode::readInput(data, size, input))
        return 0;
    ZCBarCode128 code;
    fuzzbarcode::checkDrawing(code, input);
    // Every parsed value and the check value are symbols of the table (below 106).
    QList<uchar> values;
    const int set = ZCBarCode128::InterpretaDato(input.dato, input.choice, values);
    for (const uchar value : values) {
        if (value >= 106)
            std::abort();
    }
    if (set >= 0 && ZCBarCode128::CalculaPatronCheck(set, values) >= 106)
        std::abort();
    if (set < 0 && !values.isEmpty())
        std::abort();
    return 0;
}
