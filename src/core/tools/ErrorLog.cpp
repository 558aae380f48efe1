#include "core/tools/ErrorLog.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"
#include "core/tools/StoreFiles.h"

namespace tavolim::core {

std::string errorLogEntry(std::chrono::year_month_day day, const std::string& message,
                          const std::string& label)
{
    return dateToText(fromYmd(day)) + " - " + message + "\n" + label;
}

bool logError(const std::filesystem::path& dataFolder, const std::string& text)
{
    const auto path = dataFolder / kErrorLogFile;
    const std::string line = "\"" + toCp1252(text) + "\"\r\n";
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(line.data()), line.size());
    return binaryfile::writeAt(path, binaryfile::size(path), bytes);
}

} // namespace tavolim::core
