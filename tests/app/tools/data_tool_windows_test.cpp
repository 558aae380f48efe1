#include "app/shell/QtProgress.h"
#include "app/shell/ShellWindowFixture.h"
#include "app/shell/StatusWindow.h"
#include "app/tools/AddRecordsWindow.h"
#include "app/tools/DataToolWindow.h"
#include "app/tools/ToolsMenu.h"
#include "core/store/ClientRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/TapeRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>

#include <map>
#include <set>

namespace tavolim::app {
namespace {

using Mode = DataToolWindow::Mode;

// Holder Ana; tapes Duna (label 1) and Alien (label 2); distributor 1 and the deleted 2.
class DataToolWindowsTest : public test::ShellWindowFixture {
protected:
    void SetUp() override
    {
        core::ClientRecord ana;
        ana.PrimNome = "Ana";
        ana.SobreNome = "Souza";
        ASSERT_TRUE(state.records().save(1, ana));
        core::LabelRecord label;
        label.Nome = "Lançamento";
        ASSERT_TRUE(state.records().save(2, label));
        for (const auto& [code, name] : {std::pair{1, "Duna"}, std::pair{2, "Alien"}}) {
            core::TapeRecord t;
            t.Nome = name;
            t.Selo = static_cast<std::int16_t>(code);
            t.Midia = 1;
            ASSERT_TRUE(state.records().save(code, t));
        }
        core::DistributorRecord d;
        d.Nome = "Filmes SA";
        ASSERT_TRUE(state.records().save(1, d));
        d.Nome = "#Antiga";
        ASSERT_TRUE(state.records().save(2, d));
    }

    static void pick(DataToolWindow& w, int kind, const QString& field)
    {
        child<QComboBox>(w, "cboTipo")->setCurrentIndex(kind);
        auto* fields = child<QListWidget>(w, "lstCampo");
        const auto found = fields->findItems(field, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << field.toStdString();
        fields->setCurrentItem(found.front());
    }

    // The access keys of the visible controls, with the captions that use each.
    static std::map<QChar, QStringList> accessKeys(QWidget& w)
    {
        std::map<QChar, QStringList> keys;
        const auto note = [&](const QString& text) {
            const int at = text.indexOf(QLatin1Char('&'));
            if (at >= 0 && at + 1 < text.size()) {
                keys[text.at(at + 1).toLower()].append(text);
            }
        };
        for (auto* b : w.findChildren<QAbstractButton*>()) {
            if (b->isVisibleTo(&w)) {
                note(b->text());
            }
        }
        for (auto* l : w.findChildren<QLabel*>()) {
            if (l->isVisibleTo(&w)) {
                note(l->text());
            }
        }
        for (auto* g : w.findChildren<QGroupBox*>()) {
            note(g->title());
        }
        return keys;
    }
};

TEST_F(DataToolWindowsTest, FindShowsTheFieldsValueControlAndListsWhatMatches)
{
    DataToolWindow w(state, Mode::Find);
    std::vector<core::RecordList> shown;
    w.showList = [&](core::RecordList list) { shown.push_back(std::move(list)); };

    pick(w, 1, QStringLiteral("Selo"));
    auto* stack = child<QLabel>(w, "lblConteudo");
    EXPECT_EQ(stack->text(), "Localizar - Selo");
    auto* labels = child<QComboBox>(w, "cboConteudo");
    EXPECT_TRUE(labels->isVisibleTo(&w));
    EXPECT_FALSE(child<QLineEdit>(w, "txtConteudo")->isVisibleTo(&w));
    ASSERT_EQ(labels->count(), 2);
    EXPECT_EQ(labels->itemText(1), "Lançamento");
    labels->setCurrentIndex(1);
    click(w, "cmdLocalizar");

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rows, (std::vector<core::ListRow>{{"Alien", 2, 0}}));
    EXPECT_EQ(shown[0].kind, core::ReportKind::Tape);

    pick(w, 0, QStringLiteral("Sexo"));
    EXPECT_EQ(child<QRadioButton>(w, "Option1")->text(), "&Masculino");
    EXPECT_EQ(child<QRadioButton>(w, "Option2")->text(), "&Feminino");
    EXPECT_FALSE(child<QCheckBox>(w, "chkPalavraSo")->isEnabled());
    child<QRadioButton>(w, "Option2")->setChecked(true);
    click(w, "cmdLocalizar");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].rows, (std::vector<core::ListRow>{{"Ana Souza", 1, 'R'}}));
}

TEST_F(DataToolWindowsTest, ARangeStartingAtZeroIsRefused)
{
    DataToolWindow w(state, Mode::Find);
    w.showList = [](core::RecordList) { ADD_FAILURE() << "nothing is listed"; };
    pick(w, 1, QStringLiteral("Nome"));
    type(w, "txtConteudo", QStringLiteral("Duna"));
    child<QRadioButton>(w, "optAlguns")->setChecked(true);
    EXPECT_TRUE(child<QLineEdit>(w, "txtDe")->isEnabled());
    type(w, "txtDe", QStringLiteral("0"));
    type(w, "txtAte", QStringLiteral("2"));

    click(w, "cmdLocalizar");

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(core::kBadRange)});
}

TEST_F(DataToolWindowsTest, ReplaceTakesTheNewValueFromItsOwnControls)
{
    DataToolWindow w(state, Mode::Replace);
    pick(w, 1, QStringLiteral("Distribuidor"));
    EXPECT_EQ(child<QLabel>(w, "lblConteudo")->text(), "Localizar - Distribuidor");
    EXPECT_EQ(child<QLabel>(w, "lblNovo")->text(), "Substituir por - Distribuidor");
    // The deleted distributor may be sought, never given.
    auto* soughtList =
        qobject_cast<QStandardItemModel*>(child<QComboBox>(w, "cboConteudo")->model());
    auto* newList = qobject_cast<QStandardItemModel*>(child<QComboBox>(w, "cboNovo")->model());
    EXPECT_TRUE(soughtList->item(1)->isEnabled());
    EXPECT_FALSE(newList->item(1)->isEnabled());

    pick(w, 1, QStringLiteral("Nome"));
    type(w, "txtConteudo", QStringLiteral("Duna"));
    type(w, "txtNovo", QStringLiteral("Duna 1984"));
    click(w, "cmdSubstituir");

    EXPECT_EQ(state.records().load<core::TapeRecord>(1).Nome, "Duna 1984");
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Operação Completa."});

    pick(w, 1, QStringLiteral("Tipo"));
    EXPECT_EQ(child<QRadioButton>(w, "Option3")->text(), "Dublado");
    EXPECT_EQ(child<QRadioButton>(w, "Option4")->text(), "Legendado");
}

TEST_F(DataToolWindowsTest, FillAndClearWriteTheChosenField)
{
    DataToolWindow fill(state, Mode::Fill);
    pick(fill, 1, QStringLiteral("Selo"));
    EXPECT_EQ(child<QLabel>(fill, "lblConteudo")->text(), "Preencher com - Selo");
    child<QComboBox>(fill, "cboConteudo")->setCurrentIndex(1);
    click(fill, "cmdInserir");
    EXPECT_EQ(state.records().load<core::TapeRecord>(1).Selo, 2);

    DataToolWindow clear(state, Mode::Clear);
    EXPECT_FALSE(child<QLabel>(clear, "lblConteudo")->isVisibleTo(&clear));
    EXPECT_EQ(clear.findChild<QCheckBox*>("chkPalavraSo"), nullptr);
    pick(clear, 0, QStringLiteral("Data de Nascimento"));
    click(clear, "cmdApagar");
    EXPECT_EQ(state.records().load<core::ClientRecord>(1).DataNasc, core::kClearedDate);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{std::string(core::kFillQuestion), "Operação Completa.",
                                        std::string(core::kClearQuestion), "Operação Completa."}));
}

TEST_F(DataToolWindowsTest, NoTwoControlsShareAnAccessKey)
{
    for (const Mode mode : {Mode::Find, Mode::Replace, Mode::Fill, Mode::Clear}) {
        DataToolWindow w(state, mode);
        for (int kind = 0; kind < 4; ++kind) {
            child<QComboBox>(w, "cboTipo")->setCurrentIndex(kind);
            auto* fields = child<QListWidget>(w, "lstCampo");
            for (int row = 0; row < fields->count(); ++row) {
                fields->setCurrentRow(row);
                for (const auto& [key, captions] : accessKeys(w)) {
                    EXPECT_EQ(captions.size(), 1)
                        << w.objectName().toStdString() << " "
                        << fields->item(row)->text().toStdString() << ": "
                        << captions.join(QStringLiteral(", ")).toStdString();
                }
            }
        }
    }
    AddRecordsWindow add(state);
    for (const auto& [key, captions] : accessKeys(add)) {
        EXPECT_EQ(captions.size(), 1) << captions.join(QStringLiteral(", ")).toStdString();
    }
}

TEST_F(DataToolWindowsTest, AddShowsTheCountAndAddsTheRecords)
{
    AddRecordsWindow w(state);
    auto* count = child<QLabel>(w, "lblRegistros");
    EXPECT_EQ(count->text(), "Existem 1 Registros de Clientes");
    child<QComboBox>(w, "cboTipo")->setCurrentIndex(1);
    EXPECT_EQ(count->text(), "Existem 2 Registros de Fitas");
    type(w, "txtQuantidade", QStringLiteral("3"));

    click(w, "cmdAdicionar");

    EXPECT_EQ(count->text(), "Existem 5 Registros de Fitas");
    EXPECT_EQ(state.records().load<core::TapeRecord>(5).Nome, "Temporário");
}

TEST_F(DataToolWindowsTest, TheMenuOpensEachTool)
{
    std::set<QString> names;
    for (const auto& [name, handler] : toolsMenuHandlers(state, nullptr)) {
        names.insert(name);
    }

    EXPECT_EQ(names,
              (std::set<QString>{"mnuDadosLocalizar", "mnuDadosSubstituir", "mnuDadosPreenchCampo",
                                 "mnuDadosApagCampo", "mnuDadosAdicRegs"}));
}

TEST(StatusWindow, CancelarShowsOnlyForWorkThatCanStopAndEscPressesIt)
{
    QtProgress progress;

    progress.begin("Verificando", 0, 10);
    StatusWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmStatus" && w->isVisible()) {
            window = qobject_cast<StatusWindow*>(w);
        }
    }
    ASSERT_NE(window, nullptr);
    auto* cancel = window->findChild<QPushButton*>("cmdCancelar");
    ASSERT_NE(cancel, nullptr);
    EXPECT_FALSE(cancel->isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &esc);
    EXPECT_FALSE(progress.cancelRequested());
    progress.end();

    progress.beginCancellable("Substituindo...", 0, 10);
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_FALSE(progress.cancelRequested());
    QApplication::sendEvent(window, &esc);
    EXPECT_TRUE(progress.cancelRequested());
    EXPECT_TRUE(window->isVisible());
    progress.end();

    progress.beginCancellable("Substituindo...", 0, 10);
    EXPECT_FALSE(progress.cancelRequested());
    cancel->click();
    EXPECT_TRUE(progress.cancelRequested());
    progress.end();
}

} // namespace
} // namespace tavolim::app
