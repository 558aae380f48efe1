// Config.ini (piece 1) read key by key and as the options, then written back: the options
// whole, and one fuzzed key and value.
//
// What must hold: a key reads as the value of the first record whose trimmed key matches, the
// default when there is none or it is blank; options loaded, saved and loaded again are the
// same options (a history check needs the history on); a written value reads back trimmed and
// cut to its field, and every other key reads as before; a write touches only its own record's
// value or appends one record over a torn tail; nothing is written beside the data folder.
#include "support/FuzzSupport.h"

#include "core/state/Options.h"
#include "core/store/ConfigFile.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"
#include "core/tools/QuietPorts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <set>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

constexpr std::string_view kAbsent = "\x01";

std::string_view trimPads(std::string_view s)
{
    const auto isPad = [](char c) { return c == ' ' || c == '\t' || c == '\0'; };
    while (!s.empty() && isPad(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isPad(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A key as the file compares it: code-page bytes cut to the field, blanks trimmed.
std::string storedKey(const std::string& key)
{
    std::string bytes = toCp1252(trim(key));
    bytes.resize(std::min(bytes.size(), ConfigFile::kFieldWidth));
    return std::string(trimPads(bytes));
}

// The distinct keys of the file's whole records, as the program asks for them.
std::set<std::string> keysOf(const Bytes& file)
{
    std::set<std::string> keys;
    for (std::size_t at = 0; at + ConfigFile::kRecordLength <= file.size();
         at += ConfigFile::kRecordLength) {
        const std::string_view raw(reinterpret_cast<const char*>(file.data()) + at,
                                   ConfigFile::kFieldWidth);
        keys.insert(fromCp1252(raw));
    }
    return keys;
}

// What the file says for each key, through the reader.
std::map<std::string, std::string> valuesOf(const ConfigFile& config,
                                            const std::set<std::string>& keys)
{
    std::map<std::string, std::string> values;
    for (const auto& key : keys) {
        values[key] = config.readConfig(key, kAbsent);
    }
    return values;
}

// The first record whose trimmed key is `key`'s, read by hand: its trimmed value.
std::optional<std::string> firstValue(const Bytes& file, const std::string& key)
{
    const std::string target = storedKey(key);
    for (std::size_t at = 0; at + ConfigFile::kRecordLength <= file.size();
         at += ConfigFile::kRecordLength) {
        const std::string_view record(reinterpret_cast<const char*>(file.data()) + at,
                                      ConfigFile::kRecordLength);
        if (trimPads(record.substr(0, ConfigFile::kFieldWidth)) == target) {
            return trim(decodeField(record.substr(ConfigFile::kFieldWidth)));
        }
    }
    return std::nullopt;
}

void checkReads(const ConfigFile& config, const Bytes& file, const std::set<std::string>& keys)
{
    for (const auto& key : keys) {
        const std::string value = config.readConfig(key, kAbsent);
        const auto expected = firstValue(file, key);
        if (storedKey(key).empty() || !expected || expected->empty()) {
            FUZZ_CHECK(value == kAbsent);
        } else {
            FUZZ_CHECK(value == *expected);
        }
    }
}

void checkOptionsRoundTrip(const std::filesystem::path& folder, QuietPorts& ports)
{
    ConfigFile config(folder);
    const Options loaded = loadOptions(ports, config);
    FUZZ_CHECK(loaded.NCol == 40 || loaded.NCol == 45);
    FUZZ_CHECK(toCp1252(loaded.UltDiaFezBak).size() <= ConfigFile::kFieldWidth);
    (void)decodeBackupFlags(loaded.FlagsAskBak);

    const Bytes before = fuzz::readFile(config.path());
    saveConfigOptions(loaded, config);
    const Bytes after = fuzz::readFile(config.path());
    // Saving changes values in place or adds records; never the keys already there.
    FUZZ_CHECK(after.size() >=
               before.size() / ConfigFile::kRecordLength * ConfigFile::kRecordLength);

    Options expected = loaded;
    expected.VerifHist = loaded.VerifHist && loaded.GravHistFita;
    FUZZ_CHECK(loadOptions(ports, ConfigFile(folder)) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, 1);
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    sandbox.put("Config.ini", pieces.files[0]);
    QuietPorts ports(std::chrono::year{2026} / 3 / 10);

    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    const std::string key = fromCp1252(in.ConsumeRandomLengthString(24));
    const std::string value = fromCp1252(in.ConsumeRandomLengthString(24));

    ConfigFile config(folder);
    const Bytes file = fuzz::readFile(config.path());
    auto keys = keysOf(file);
    keys.insert(key);
    checkReads(config, file, keys);
    const auto before = valuesOf(config, keys);

    // One key written.
    const bool written = config.writeConfig(key, value);
    const Bytes after = fuzz::readFile(config.path());
    const auto wanted = firstValue(file, key);
    FUZZ_CHECK(written == !storedKey(key).empty());
    if (written) {
        const std::string stored =
            trim(decodeField(encodeField(trim(value), ConfigFile::kFieldWidth)));
        FUZZ_CHECK(config.readConfig(key, kAbsent) ==
                   (stored.empty() ? std::string(kAbsent) : stored));
        const std::size_t whole =
            file.size() / ConfigFile::kRecordLength * ConfigFile::kRecordLength;
        if (wanted) {
            FUZZ_CHECK(after.size() == file.size());
        } else {
            FUZZ_CHECK(after.size() == std::max(file.size(), whole + ConfigFile::kRecordLength));
        }
        for (std::size_t i = 0; i < std::min(whole, after.size()); ++i) {
            const bool valueByte = i % ConfigFile::kRecordLength >= ConfigFile::kFieldWidth;
            FUZZ_CHECK(after[i] == file[i] || (wanted && valueByte));
        }
        // Every other key reads as before.
        const auto now = valuesOf(config, keys);
        for (const auto& [k, v] : before) {
            FUZZ_CHECK(storedKey(k) == storedKey(key) || now.at(k) == v);
        }
    } else {
        FUZZ_CHECK(after == file);
    }
    checkReads(config, after, keysOf(after));

    checkOptionsRoundTrip(folder, ports);
    sandbox.checkConfined();
    return 0;
}
