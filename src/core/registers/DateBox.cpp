#include "core/registers/DateBox.h"

namespace tavolim::core {

std::string typeDateKey(std::string_view text, char key)
{
    std::string result(text);
    if (key == '/' || key == '-' || key == '.' || key == ',' || result.size() >= 10) {
        return result;
    }
    result += key;
    if (key >= '0' && key <= '9' && (result.size() == 2 || result.size() == 5)) {
        result += '/';
    }
    return result;
}

} // namespace tavolim::core
