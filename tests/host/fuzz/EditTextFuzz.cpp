// libFuzzer target: any text, under the sanitizers, and a short digit run must read as strtol
// reads it. Run by hand (see CMakeLists.txt beside it).
#include "dialog/EditText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int32_t value = EditTextToInteger(text);
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    const size_t digits = start == std::string::npos ? 0 : text.find_first_not_of("+-0123456789", start) - start;
    if (start != std::string::npos && digits <= 9 && text.find_first_of("+-", start + 1) >= start + digits &&
        text.find('\0') == std::string::npos && value != std::strtol(text.c_str(), nullptr, 10))
        std::abort();
    return 0;
}
