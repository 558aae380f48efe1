#pragma once

#include <QDate>
#include <QString>

#include <chrono>
#include <filesystem>
#include <string>

namespace tavolim::app {

// The core speaks UTF-8 std::string, std::filesystem::path and chrono dates; Qt speaks
// QString and QDate. These are the only crossings.

inline QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

inline QString toQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

inline QDate toQDate(std::chrono::year_month_day day)
{
    return QDate(static_cast<int>(day.year()), static_cast<int>(unsigned(day.month())),
                 static_cast<int>(unsigned(day.day())));
}

inline std::chrono::year_month_day toYmd(const QDate& date)
{
    return std::chrono::year{date.year()} / std::chrono::month{unsigned(date.month())} /
           std::chrono::day{unsigned(date.day())};
}

} // namespace tavolim::app
