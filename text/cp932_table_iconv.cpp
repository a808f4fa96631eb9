#include "text/cp932_table.h"

#include <iconv.h>

namespace text::detail {

char16_t DecodeWithHost(const unsigned char* bytes, int length) {
    // "CP932", never "SHIFT_JIS": the latter maps 0x5C to the yen sign.
    static iconv_t converter = iconv_open("UTF-16LE", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return 0;
    char input[2] = {static_cast<char>(bytes[0]), length > 1 ? static_cast<char>(bytes[1]) : '\0'};
    unsigned char output[8];
    char* in = input;
    char* out = reinterpret_cast<char*>(output);
    std::size_t inLeft = static_cast<std::size_t>(length);
    std::size_t outLeft = sizeof output;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || sizeof output - outLeft != 2)
        return 0;
    return static_cast<char16_t>(output[0] | (output[1] << 8));
}

} // namespace text::detail
