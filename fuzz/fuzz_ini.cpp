// The Tempario.ini writer on arbitrary existing content: the key is always there afterwards, and
// writing the same value twice changes nothing more.
#include <cstdint>
#include <string>

#include "platform/ini_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quimbo::platform::withIniValue;
    const std::string before(reinterpret_cast<const char*>(data), size);
    const std::string once = withIniValue(before, "Transformadores", "Transformado", "1");
    const std::string twice = withIniValue(once, "Transformadores", "Transformado", "1");
    if (once != twice || once.find("Transformado=1") == std::string::npos) {
        __builtin_trap();
    }
    return 0;
}
