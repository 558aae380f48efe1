#include "core/shell/HelpTexts.h"

#include "core/ports/Dialogs.h"
#include "core/shell/BackgroundPicture.h"
#include "core/shell/NewInstallation.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

class HelpTextsTest : public ::testing::Test, protected test::InstalledStore {};

TEST_F(HelpTextsTest, TextsNameTheVersionTheStoreAndItsFolder)
{
    const std::string folderName = folder.path().string();

    const std::string support = supportText(state);
    const std::string about = aboutText(state);
    const std::string created = newStoreMessage(folder.path());

    for (const std::string* text : {&support, &about, &created}) {
        EXPECT_NE(text->find(folderName), std::string::npos) << *text;
    }
    for (const std::string* text : {&support, &about}) {
        EXPECT_NE(text->find(versionCaption()), std::string::npos) << *text;
        EXPECT_NE(text->find(std::string(kWebPage)), std::string::npos) << *text;
    }
    EXPECT_NE(about.find("Locadora: Minha Locadora"), std::string::npos) << about;
    EXPECT_EQ(created.rfind("Foi criada uma nova locadora", 0), 0u) << created;
}

TEST_F(HelpTextsTest, WebPageGoesThroughTheLauncherOrGivesTheAddress)
{
    for (const bool browser : {true, false}) {
        launcher.browser = browser;
        launcher.opened.clear();
        dialogs.messages.clear();

        openWebPage(state);

        EXPECT_EQ(launcher.opened, std::vector<std::string>{std::string(kWebPage)});
        EXPECT_EQ(dialogs.shownTexts(),
                  browser ? std::vector<std::string>{}
                          : std::vector<std::string>{
                                "Não foi possível abrir o navegador de internet.\nDigite este "
                                "endereço no navegador: " +
                                std::string(kWebPage)});
    }
}

} // namespace
} // namespace tavolim::core
