#include "core/shell/HelpTexts.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/shell/BackgroundPicture.h"
#include "core/state/AppState.h"
#include "core/store/StoreRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

std::string supportText(const AppState& state)
{
    return "Antes de pedir ajuda, tenha em mãos:\n"
           "- a versão do Tavolim: " +
           versionCaption() +
           ";\n"
           "- a pasta de dados da locadora: " +
           state.dataFolder().string() +
           ";\n"
           "- o que estava fazendo e o texto exato da mensagem que apareceu.\n\n"
           "Muitas dúvidas se resolvem no menu Ajuda > Conteúdo.\n"
           "Atendimento e novidades: " +
           std::string(kWebPage) +
           "\n\n"
           "Faça o Back-Up (menu Arquivo) antes de qualquer conserto nos arquivos de dados.";
}

std::string aboutText(const AppState& state)
{
    return "Gerenciamento de Locadoras\n" + versionCaption() +
           "\n\nLocadora: " + trim(state.records().load<StoreRecord>(1).NomeFantasia) +
           "\nDados em: " + state.dataFolder().string() + "\n\n" + std::string(kWebPage);
}

void openWebPage(AppState& state)
{
    if (state.ports().launcher.openUrl(std::string(kWebPage))) {
        return;
    }
    state.ports().dialogs.message("Não foi possível abrir o navegador de internet.\n"
                                  "Digite este endereço no navegador: " +
                                      std::string(kWebPage),
                                  msg::Exclamation);
}

} // namespace tavolim::core
