#pragma once

#include "core/store/Money.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavolim::core {

// The conversions every screen uses between the record encodings and the texts the operator
// reads and types. Dates live in records as a Long of the digits ddmmyyyy, times as an Int of
// hhmm and postal codes (CEP) as a Long of their first 8 digits.

// "00/00/0000" mask: 5032001 gives "05/03/2001", 0 gives "00/00/0000".
std::string dateToText(std::int32_t ddmmyyyy);
// A date as every screen shows it: the mask above, but "" for a field that holds no date, so
// an empty date reads the same everywhere (receipts keep the mask).
std::string dateToScreen(std::int32_t ddmmyyyy);
// Any non-digit separates day, month and year ("5/3/2001", "05-03-01"); two-digit years
// 00-29 are 2000-2029, 30-99 are 1930-1999. Text that is not a real date gives 0.
std::int32_t textToDate(std::string_view text);

// "00:00" mask: 1435 gives "14:35".
std::string timeToText(std::int16_t hhmm);
// Any non-digit separates hours and minutes ("14:35", "9h5"); not a time gives 0.
std::int16_t textToTime(std::string_view text);

// "@@@@@-@@@": 12345678 gives "12345-678"; leading zeros are shown, 0 shows as "".
std::string cepToText(std::int32_t cep);
// Keeps the digits only, takes the first 8: "12.345-678x9" gives 12345678.
std::int32_t textToCep(std::string_view text);

// Money typed with either "," or "." as the decimal point: from the right, the first "," or
// "." is the decimal point and every separator left of it is dropped; then the leading number
// is read ("1.234,56", "1,234.56" and "1234,56" all give 1234.56; "" and "abc" give 0).
double moneyTextToNumber(std::string_view text);
Money parseMoney(std::string_view text);

// "#,##0.00": 1234.56 gives "1.234,56".
std::string formatMoney(Money value);
// "0.00": 1234.56 gives "1234,56" (receipts and grids).
std::string formatMoneyPlain(Money value);

// Left-trimmed text before the first space, or "" when there is no space.
std::string firstWord(std::string_view text);
// Trimmed text after the first space, or "" when there is no space.
std::string restAfterFirstWord(std::string_view text);

std::string trim(std::string_view text);
std::string trimRight(std::string_view text);

// Full name to (first name, surname): cut at the first space of the trimmed name; a name
// without a space is all first name.
std::pair<std::string, std::string> splitFullName(std::string_view fullName);
// Trimmed first name and trimmed surname joined by one space.
std::string joinFullName(std::string_view first, std::string_view surname);

// Record date Long to a calendar date; nullopt for 0 or anything that is not a real date.
std::optional<std::chrono::year_month_day> toYmd(std::int32_t ddmmyyyy);
std::int32_t fromYmd(std::chrono::year_month_day date);

} // namespace tavolim::core
