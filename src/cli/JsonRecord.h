#pragma once

#include "core/store/Money.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tavolim::cli {

using Json = nlohmann::ordered_json;

// A record's field list as a JSON object: every field under its own name, in record order.
// Int and Long are numbers, Single the shortest decimal that reads back as the same float,
// money a number of reais (at most three decimals), Bool true only for a stored -1, text as
// decoded (UTF-8, trailing spaces trimmed), and every slot of an array, used or not.
class JsonFields {
public:
    template <class T>
    void field(std::string_view name, std::size_t, const T& value)
    {
        m_json[std::string(name)] = toJson(value);
    }

    void text(std::string_view name, std::size_t, std::size_t, const std::string& value)
    {
        m_json[std::string(name)] = value;
    }

    template <class T, std::size_t N>
    void array(std::string_view name, std::size_t, const std::array<T, N>& values)
    {
        Json list = Json::array();
        for (const auto& v : values) {
            list.push_back(toJson(v));
        }
        m_json[std::string(name)] = std::move(list);
    }

    template <std::size_t N>
    void textArray(std::string_view name, std::size_t, std::size_t,
                   const std::array<std::string, N>& values)
    {
        Json list = Json::array();
        for (const auto& v : values) {
            list.push_back(v);
        }
        m_json[std::string(name)] = std::move(list);
    }

    Json take() { return std::move(m_json); }

private:
    static Json toJson(std::int16_t v) { return v; }
    static Json toJson(std::int32_t v) { return v; }
    static Json toJson(bool v) { return v; }
    static Json toJson(float v);
    static Json toJson(core::Money v);

    Json m_json = Json::object();
};

template <class R>
Json recordToJson(const R& record)
{
    JsonFields fields;
    R::fields(record, fields);
    return fields.take();
}

// Compact, on one line. Text that is not valid UTF-8 is replaced, never thrown on: a
// damaged file still dumps.
std::string jsonLine(const Json& value);

} // namespace tavolim::cli
