// Fuzz target: a JSON description of a simulated Tarvek, read; when it is
// valid, loaded into the logger model, which then answers a reading of
// every block and of the first memory page, and goes on acquiring for a
// while of its (virtual) clock.

#include "BlocoConfiguracao.h"
#include "DescricaoTarvek.h"
#include "TarvekSimulado.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void exige(bool condicao, const char *o_que)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_descricao: %s\n", o_que);
        std::abort();
    }
}

// Sends the bytes 10 ms apart and takes what the logger answers within
// the next second.
QByteArray troca(TarvekSimulado &t, const QByteArray &enviados, int64_t &instante)
{
    for (char c : enviados) {
        t.recebe(QByteArray(1, c), instante);
        instante += 10;
    }
    instante += 1000;
    return t.transmite(instante);
}

void conversa(TarvekSimulado &t)
{
    int64_t instante = 0;
    for (uint8_t comando : { TarvekSimulado::CmdLeConfiguracao, TarvekSimulado::CmdLeCalibracao,
             TarvekSimulado::CmdLeNaoVolateis, TarvekSimulado::CmdLeLeituras }) {
        troca(t, QByteArray(1, char(TarvekSimulado::Ativacao)), instante);
        troca(t, QByteArray(1, char(comando)), instante);
    }
    troca(t, QByteArray(1, char(TarvekSimulado::Ativacao)), instante);
    troca(t, QByteArray(1, char(TarvekSimulado::CmdLePagina)), instante);
    troca(t, QByteArray(1, '\0'), instante);
    // A minute on, the acquisitions due meanwhile are made.
    t.acompanha(instante + 60'000);
    (void)BlocoConfiguracao::decodifica(t.configuracaoEm(instante + 60'000)).relogio();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray json(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    QString erro;
    const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
    if (!d) {
        exige(!erro.isEmpty(), "a refused description without a reason");
        return 0;
    }
    // Each acquisition made costs a search over the counts, while the paths
    // stay the same past a few hundred (a small memory wraps by then): a
    // larger count would only slow the search down.
    DescricaoTarvek descricao = *d;
    descricao.quantidade = std::min(descricao.quantidade, 400);
    static const QDateTime agora(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
    TarvekSimulado t;
    if (descricao.aplica(t, 0, agora, &erro))
        conversa(t);
    return 0;
}
