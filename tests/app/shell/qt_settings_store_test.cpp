#include "app/shell/QtSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

// QSettings is pointed at a fresh folder so no test touches the operator's own settings.
class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    }

    QSettings file() const
    {
        return QSettings(QDir(home.path()).filePath("Tavolim/Tavolim.conf"), QSettings::IniFormat);
    }

    QTemporaryDir home;
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, TextComesBackExactlyAndOnlyWhereItWasWritten)
{
    const std::string values[] = {
        "True",         "",   "  espaços nas pontas  ",  "a, b, c",
        "Opções: ação", "-1", R"(C:\Imagens\fundo.bmp)", "linha 1\nlinha 2",
        "#;=[]",
    };

    for (const std::string& value : values) {
        store.write("Tavolim", "Opções", "Valor", value);

        EXPECT_EQ(QtSettingsStore().read("Tavolim", "Opções", "Valor", "padrão"), value);
        EXPECT_EQ(store.read("Tavolim", "Opções", "Outro", "padrão"), "padrão");
        EXPECT_EQ(store.read("Tavolim", "Outra", "Valor", "padrão"), "padrão");
        EXPECT_EQ(store.read("Editor", "Opções", "Valor", "padrão"), "padrão");
    }
    EXPECT_EQ(file().value("Opções/Valor").toString(), "#;=[]");
}

TEST_F(QtSettingsStoreTest, HandEditedListIsReadAsItsText)
{
    file().setValue("Opções/Impressora", QStringList{"LPT1", "LPT2"});

    EXPECT_EQ(store.read("Tavolim", "Opções", "Impressora", ""), "LPT1,LPT2");
}

} // namespace
} // namespace tavolim::app
