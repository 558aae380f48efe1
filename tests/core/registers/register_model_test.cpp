#include "core/registers/RegisterModel.h"

#include "core/ports/Dialogs.h"
#include "core/shell/NewInstallation.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

// The smallest register there is: products by number, the description as the only control.
class ProductRegister final : public RegisterModel {
public:
    explicit ProductRegister(AppState& state) : RegisterModel(state, FileKind::Products) {}

    std::string description;

    int positionCount() const override { return m_state.records().recordCount(m_kind); }
    void addAt(std::int32_t number, const std::string& name)
    {
        beginNew(number, number);
        description = name;
    }

protected:
    std::int32_t numberAt(int position) const override
    {
        return position >= 1 && position <= positionCount() ? position : 0;
    }
    bool readIntoForm(std::int32_t number) override
    {
        m_state.records().readRecord(m_kind, number, true);
        description = m_state.records().product().Descricao;
        return description.starts_with('#');
    }
    void clearForm() override { description.clear(); }
    std::string& nameBox() override { return description; }
    bool writeForm() override
    {
        auto& records = m_state.records();
        records.readRecord(m_kind, code(), true);
        records.product().Codigo = static_cast<std::int16_t>(code());
        records.product().Descricao = description;
        return records.writeRecord(m_kind, code());
    }
};

class RegisterModelTest : public ::testing::Test, protected test::InstalledStore {
protected:
    void SetUp() override
    {
        auto& records = state.records();
        for (const char* name : {"Pipoca", "Chocolate", "Refrigerante"}) {
            const auto n = *records.nextRecordNumber(FileKind::Products);
            records.product() = {};
            records.product().Descricao = name;
            records.writeRecord(FileKind::Products, n);
        }
        records.readRecord(FileKind::Products, 2, true);
        records.deleteRecord(FileKind::Products, 2);
    }

    std::string fileBytes() const
    {
        std::ifstream in(folder.file("DadosPrd.tvl"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string stored(int n)
    {
        state.records().readRecord(FileKind::Products, n, true);
        return state.records().product().Descricao;
    }
};

TEST_F(RegisterModelTest, ADeletedRecordIsShownWrittenOnlyWhenRenamedAndThenLeavesTheList)
{
    ProductRegister reg(state);
    reg.open();
    const std::string before = fileBytes();

    ASSERT_TRUE(reg.moveNext());
    EXPECT_TRUE(reg.showsDeleted());
    reg.markDirty();
    EXPECT_TRUE(reg.moveNext());
    EXPECT_TRUE(reg.movePrevious());
    EXPECT_TRUE(reg.save());
    EXPECT_EQ(fileBytes(), before);

    reg.description = "Balas";
    reg.markDirty();
    ASSERT_TRUE(reg.moveFirst());

    EXPECT_EQ(stored(2), "Balas");
    EXPECT_EQ(state.records().deletedNumbers(FileKind::Products), std::vector<std::int32_t>{});
}

TEST_F(RegisterModelTest, MovesOnlyWithinTheFileAndOpensOnTheLastWithMostraUltReg)
{
    ProductRegister reg(state);
    reg.open();
    EXPECT_FALSE(reg.movePrevious());
    ASSERT_TRUE(reg.moveLast());
    EXPECT_FALSE(reg.moveNext());

    state.options().MostraUltReg = true;
    ProductRegister last(state);
    last.open();

    EXPECT_EQ(last.description, "Refrigerante");
}

TEST_F(RegisterModelTest, ANewRecordTakesItsReusedNumberOffTheListWhenSaved)
{
    ProductRegister reg(state);
    reg.addAt(*state.records().nextRecordNumber(FileKind::Products), "Balas");
    ASSERT_TRUE(reg.save());

    EXPECT_EQ(stored(2), "Balas");
    EXPECT_EQ(*state.records().nextRecordNumber(FileKind::Products), 4);
}

struct CloseCase {
    int action;
    std::vector<msg::Answer> answers;
    bool closes;
    bool saved;
    std::vector<std::string> messages;
};

TEST_F(RegisterModelTest, ClosingWithChangesFollowsAcaoQdoSaiForm)
{
    const std::string ask = "Deseja salvar as alterações ?";
    const std::vector<CloseCase> cases = {
        {0, {}, true, false, {}},
        {1, {}, true, true, {}},
        {2, {msg::Answer::Yes}, true, true, {ask}},
        {2, {msg::Answer::No}, true, false, {ask}},
        {2, {msg::Answer::Cancel}, false, false, {ask}},
    };
    for (const auto& c : cases) {
        test::InstalledStore fresh;
        fresh.state.options().AcaoQdoSaiForm = static_cast<std::int16_t>(c.action);
        fresh.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        ProductRegister reg(fresh.state);
        reg.addAt(1, "Pipoca");

        const bool closes = reg.close();

        SCOPED_TRACE(std::to_string(c.action) + " " + std::to_string(c.answers.size()));
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(fresh.state.records().recordCount(FileKind::Products), c.saved ? 1 : 0);
        EXPECT_EQ(fresh.dialogs.shownTexts(), c.messages);
    }
}

TEST_F(RegisterModelTest, EscAsksAboutTypedChangesUnlessTheOptionDropsThem)
{
    const std::string ask = "Deseja salvar as alterações ?";
    const std::vector<CloseCase> cases = {
        {0, {}, true, false, {}},
        // Esc never saves without a word, even where closing would.
        {1, {msg::Answer::Yes}, true, true, {ask}},
        {1, {msg::Answer::Cancel}, false, false, {ask}},
        {2, {msg::Answer::No}, true, false, {ask}},
    };
    for (const auto& c : cases) {
        test::InstalledStore fresh;
        fresh.state.options().AcaoQdoSaiForm = static_cast<std::int16_t>(c.action);
        fresh.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        ProductRegister reg(fresh.state);
        reg.addAt(1, "Pipoca");
        ProductRegister clean(fresh.state);

        const bool closes = reg.closeByEscape();

        SCOPED_TRACE(std::to_string(c.action) + " " + std::to_string(c.answers.size()));
        EXPECT_EQ(closes, c.closes);
        EXPECT_TRUE(clean.closeByEscape());
        EXPECT_EQ(fresh.state.records().recordCount(FileKind::Products), c.saved ? 1 : 0);
        EXPECT_EQ(fresh.dialogs.shownTexts(), c.messages);
    }
}

TEST_F(RegisterModelTest, AnEmptyFileHasNoRecordToWorkOn)
{
    test::InstalledStore fresh;
    ProductRegister empty(fresh.state);
    ProductRegister full(state);

    empty.open();
    full.open();

    EXPECT_FALSE(empty.hasRecord());
    EXPECT_TRUE(empty.save());
    EXPECT_EQ(fresh.state.records().recordCount(FileKind::Products), 0);
    EXPECT_TRUE(full.hasRecord());
}

} // namespace
} // namespace tavolim::core
