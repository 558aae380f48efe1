#pragma once

#include "core/reports/ReportsFixture.h"
#include "core/store/LabelRecord.h"
#include "core/tools/DataTool.h"

#include <string>
#include <string_view>

namespace tavolim::test {

// The store of the report tests with a second label, "Lançamento", and a data tool over it.
class DataToolTest : public ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        core::LabelRecord label;
        label.Codigo = 2;
        label.Nome = "Lançamento";
        ASSERT_TRUE(records().save(2, label));
    }

    // The tool on `kind` and the field lstCampo lists as `field`.
    core::DataTool& on(core::DataKind kind, std::string_view field)
    {
        tool.form.cboTipo = kind;
        const auto fields = core::dataFields(kind);
        const core::FieldInfo* info = core::dataFieldByName(kind, field);
        EXPECT_NE(info, nullptr) << field;
        tool.form.lstCampo = info ? static_cast<int>(info - fields.data()) : -1;
        return tool;
    }

    std::string memoText(std::int32_t number) { return state.memos().readMemo(number); }
    std::string synopsisOf(std::int32_t tapeCode)
    {
        auto t = records().load<core::TapeRecord>(tapeCode);
        return state.synopses().readSynopsis(t.Sinopse, t.TamSinopse);
    }
    void putSynopsis(std::int32_t tapeCode, const std::string& text)
    {
        auto t = records().load<core::TapeRecord>(tapeCode);
        state.synopses().writeSynopsis(t.Sinopse, t.TamSinopse, text);
        ASSERT_TRUE(records().save(tapeCode, t));
    }
    std::string lastMessage() const
    {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().text;
    }

    core::DataTool tool{state};
};

} // namespace tavolim::test
