#include "cli/Usage.h"

#include "core/tools/SampleStore.h"

namespace tavolim::cli {

std::string usageText()
{
    const core::SampleSize defaults;
    return "uso: tavolim-tool --dados PASTA COMANDO\n"
           "\n"
           "Comandos:\n"
           "  init                 cria uma instalação nova na PASTA (criada se faltar)\n"
           "  dump TIPO [N]        mostra os registros do TIPO em JSON, um por linha;\n"
           "                       com N, só o registro N\n"
           "  dump memo N          mostra o texto do memo N\n"
           "  dump sinopse N       mostra a sinopse da fita de código N\n"
           "  dump LIVRO [N]       mostra os registros do LIVRO como gravados (cabeçalho\n"
           "                       incluído); com N, só o registro N\n"
           "  dump hist-fita N     mostra o histórico de fitas de número N\n"
           "  dump hist-prod N     mostra o histórico de produtos de número N\n"
           "  exemplo [--clientes N] [--fitas N] [--produtos N]\n"
           "                       preenche uma instalação nova com uma loja de exemplo\n"
           "                       (sem opções: " +
           std::to_string(defaults.clientes) + " clientes, " + std::to_string(defaults.fitas) +
           " fitas, " + std::to_string(defaults.produtos) +
           " produtos; no máximo 32767)\n"
           "  situacao (--cliente N | --dependente N) [--hoje dd/mm/aaaa] [--agora hh:mm]\n"
           "                       mostra a situação da pessoa como no balcão: uma linha\n"
           "                       por fita em casa (código, título, preço, prazo, dias,\n"
           "                       diárias, total, multa) e os cinco totais; sem --hoje e\n"
           "                       --agora vale o relógio. Com cobrança por relocação,\n"
           "                       grava as relocações como a janela\n"
           "  livro-fitas --de dd/mm/aaaa --ate dd/mm/aaaa [--devolucoes]\n"
           "                       as locações dos dias (com --devolucoes, as devoluções)\n"
           "                       como na janela Locações/Devoluções: uma linha por fita,\n"
           "                       colunas N°, Data Loc., Data Dev., Dias, Código da Fita,\n"
           "                       Nome da Fita, Valor, Diárias, Total, Cliente, Código\n"
           "                       Cliente, separadas por tabulação\n"
           "  livro-caixa --de dd/mm/aaaa --ate dd/mm/aaaa\n"
           "                       as vendas dos dias como na janela Histórico de Vendas:\n"
           "                       N°, Data, Código, Descrição, Preço Unitário, Qtd., Total\n"
           "  resumo-dia [--hoje dd/mm/aaaa]\n"
           "                       o Resumo do Dia como a janela o mostra (sem --hoje, o\n"
           "                       dia do relógio)\n"
           "  historico (--cliente N | --dependente N) [--produtos]\n"
           "                       o histórico de locações da pessoa, da mais antiga à mais\n"
           "                       recente (com --produtos, o de compras), com as colunas\n"
           "                       da janela, separadas por tabulação\n"
           "\n"
           "Os comandos de livros só leem a pasta. Mensagens vão para a saída de erros, com\n"
           "código 1; de um livro danificado sai o que pôde ser lido, e o aviso.\n"
           "\n"
           "TIPO: clientes, dependentes, fitas, atores, distribuidores, produtos, selos,\n"
           "      midias, regras, locadora\n"
           "LIVRO: livro-fitas, fitas-dev, livro-caixa, caixa, pos-livro-fitas,\n"
           "       pos-fitas-dev, pos-livro-caixa\n"
           "\n"
           "  --ajuda, -h          mostra esta ajuda\n";
}

} // namespace tavolim::cli
