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
           "  lista NOME [ARG] [--hoje dd/mm/aaaa] [--csv]\n"
           "                       as linhas da lista NOME como a janela de listas as mostra,\n"
           "                       uma por linha, as células separadas por tabulação (nome,\n"
           "                       código e, para clientes, R titular ou D dependente); com\n"
           "                       --csv, em CSV (UTF-8, separado por \";\", com cabeçalho)\n"
           "  listagem NOME [ARG] [--hoje dd/mm/aaaa]\n"
           "                       a listagem impressa da lista NOME, exatamente o texto que\n"
           "                       o programa imprime (cabeçalho, separador, linhas, CR LF);\n"
           "                       a situação dos clientes é a do dia --hoje (sem ele, hoje)\n"
           "  ficha (cliente|fita|produto|distribuidora) N\n"
           "                       a ficha do registro de código N (o cliente é o titular)\n"
           "\n"
           "TIPO: clientes, dependentes, fitas, atores, distribuidores, produtos, selos,\n"
           "      midias, regras, locadora\n"
           "LIVRO: livro-fitas, fitas-dev, livro-caixa, caixa, pos-livro-fitas,\n"
           "       pos-fitas-dev, pos-livro-caixa\n"
           "NOME: clientes-titulares, clientes-dependentes, clientes, clientes-com-debito,\n"
           "      clientes-com-fitas, fitas, fitas-locadas, fitas-reservadas,\n"
           "      fitas-por-secao SECAO, fitas-por-selo SELO, fitas-por-distribuidora NOME,\n"
           "      fitas-por-ator NOME, produtos, distribuidoras\n"
           "      (SECAO e SELO: o nome ou o número; NOME: o nome inteiro, entre aspas se\n"
           "      tiver espaços, maiúsculas e minúsculas tanto faz)\n"
           "Uma lista vazia só dá a mensagem do programa (na saída de erros) e termina com 0.\n"
           "\n"
           "  --ajuda, -h          mostra esta ajuda\n";
}

} // namespace tavolim::cli
