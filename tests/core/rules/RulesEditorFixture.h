#pragma once

#include "core/rules/RulesEditor.h"
#include "core/store/BinaryFile.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/TapeRecord.h"
#include "support/Bytes.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include <string>
#include <vector>

namespace tavolim::test {

// A new installation (Saturday 5 December 2026) with four labels "Selo 1".."Selo 4" priced
// 1.00..4.00 and four media "Mídia 1".."Mídia 4", for the rules editor.
class RulesEditorTest : public ::testing::Test, protected InstalledStore {
protected:
    void SetUp() override
    {
        state.DataDia = clock.date;
        for (int code = 1; code <= 4; ++code) {
            core::LabelRecord l;
            l.Codigo = static_cast<std::int16_t>(code);
            l.Nome = "Selo " + std::to_string(code);
            l.NumMaxDias = static_cast<std::int16_t>(code + 2);
            l.Diarias.fill(core::Money::fromCents(100 * code));
            l.Prazos.fill(static_cast<std::int16_t>(code));
            l.UnidadeMulta = core::LabelRecord::FineInDays;
            ASSERT_TRUE(state.records().save(code, l));
            core::MediaRecord m;
            m.Codigo = static_cast<std::int16_t>(code);
            m.Nome = "Mídia " + std::to_string(code);
            m.Prazos.fill(1);
            ASSERT_TRUE(state.records().save(code, m));
        }
    }

    // Tapes with these (Secao, Selo, Midia), titled "Fita <n>".
    void writeTapes(const std::vector<std::array<std::int16_t, 3>>& codes)
    {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            core::TapeRecord t;
            t.Codigo = static_cast<std::int16_t>(i + 1);
            t.Nome = "Fita " + std::to_string(i + 1);
            t.Secao = codes[i][0];
            t.Selo = codes[i][1];
            t.Midia = codes[i][2];
            t.Distribuidor = 7;
            t.TotalLocacoes = static_cast<std::int16_t>(10 + i);
            ASSERT_TRUE(state.records().save(static_cast<std::int32_t>(i + 1), t));
        }
    }

    std::vector<std::uint8_t> bytesOf(const char* name) const
    {
        return core::binaryfile::readAll(folder.file(name));
    }

    static std::int16_t int16At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
    {
        return static_cast<std::int16_t>(readLe(bytes, offset, 2));
    }

    std::vector<std::string> leftoverTemporaries() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.path().extension() == ".tmp") {
                found.push_back(entry.path().filename().string());
            }
        }
        return found;
    }
};

} // namespace tavolim::test
