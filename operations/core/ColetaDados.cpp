#include "ColetaDados.h"

#include "AvaliacaoPerfil.h"
#include "DataHora.h"
#include "DocumentoGrafico.h"
#include "PerfisGuardados.h"
#include "Registros.h"

#include "BlocoCalibracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "DecodificacaoColeta.h"
#include "Espera.h"
#include "IConfiguracoes.h"
#include "TDatalogger.h"

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaCalibracao = 146,
    FalhaUpload = 239,
};

}  // namespace

ColetaDados::ColetaDados(TDatalogger &datalogger, const Ambiente &ambiente)
    : m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
}

bool ColetaDados::forcaColeta() const
{
    if (!m_ambiente.configuracoes)
        return false;
    return m_ambiente.configuracoes->le(
               QStringLiteral("COMUNICACAO"), QStringLiteral("FORCA_COLETA"), QStringLiteral("FALSE"))
        == QLatin1String("TRUE");
}

ColetaDados::Resultado ColetaDados::falha(int texto, const QString &mensagem) const
{
    // The collection's messages are the main window's own forms of texts
    // that the device windows word differently (137, 146).
    const QStringView janela = u"FormPrinc";
    Resultado r;
    r.texto = texto;
    r.mensagem = !mensagem.isEmpty() ? mensagem
        : m_ambiente.catalogo        ? m_ambiente.catalogo->texto(texto, janela)
                                     : Catalogo::padrao(texto, janela);
    return r;
}

ColetaDados::Resultado ColetaDados::executa(Observador *observador, const QString &pastaTraco)
{
    const bool forca = forcaColeta();
    QByteArray configuracao, naoVolatil, calibracao;
    if (!m_datalogger.LeConfiguracao(configuracao))
        return falha(FalhaConfiguracao);
    if (!m_datalogger.LeNaoVolateis(naoVolatil))
        return falha(FalhaNaoVolateis);
    if (!m_datalogger.LeCalibracao(calibracao))
        return falha(FalhaCalibracao);

    const QString serie = BlocoCalibracao::decodifica(calibracao).textoNumeroSerie();
    const QString titulo = BlocoNaoVolatil::decodifica(naoVolatil).Titulo;
    if (observador)
        observador->identificado(serie, titulo);

    const DecodificacaoColeta::Plano plano
        = DecodificacaoColeta::planeja(configuracao, naoVolatil, calibracao, forca);
    Resultado r;
    if (plano.falha != DecodificacaoColeta::Nenhuma) {
        const Catalogo padrao;
        r = falha(plano.falha,
            DecodificacaoColeta::textoFalha(plano, m_ambiente.catalogo ? *m_ambiente.catalogo : padrao));
    } else {
        r = coleta(plano, calibracao, observador, pastaTraco);
    }
    r.numeroSerie = serie;
    r.titulo = titulo;
    return r;
}

ColetaDados::Resultado ColetaDados::coleta(const DecodificacaoColeta::Plano &plano,
    const QByteArray &calibracao, Observador *observador, const QString &pastaTraco)
{
    if (observador)
        observador->iniciaPaginas(plano.paginas);
    QByteArray imagem(DecodificacaoColeta::MemoriaMaxima, '\0');
    TDatalogger::BytesPagina pagina {};
    for (int p = 0; p < plano.paginas; ++p) {
        // A page beyond the image is not asked for: it would have nowhere
        // to go.
        if (qsizetype(p + 1) * DecodificacaoColeta::TamanhoPagina > imagem.size())
            return falha(FalhaUpload);
        if (!m_datalogger.LePagina(pagina, quint8(p)))
            return falha(FalhaUpload);
        if (observador)
            observador->paginaLida(p + 1);
        std::copy(
            pagina.begin(), pagina.end(), imagem.begin() + qsizetype(p) * DecodificacaoColeta::TamanhoPagina);
        m_datalogger.GravaTracoDebug(pagina, pastaTraco);
    }
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    if (observador)
        observador->paginasCompletas();

    Resultado r;
    r.aquisicao = DecodificacaoColeta::decodifica(plano, calibracao, imagem);
    julga(r);
    registra(r, imagem.left(qsizetype(plano.paginas) * DecodificacaoColeta::TamanhoPagina));
    return r;
}

void ColetaDados::julga(Resultado &r) const
{
    const Catalogo padrao;
    const Catalogo &catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : padrao;
    QString erro;
    const auto perfil
        = PerfisGuardados(m_ambiente.configuracoes).escolhe(r.aquisicao->NumeroSerie, {}, catalogo, erro);
    if (!perfil) {
        r.perfil = erro;
        return;
    }
    TAquisicao documento = *r.aquisicao;
    DocumentoGrafico::ajusta(documento);
    r.perfil = perfil->nome;
    r.aprovado = avalia(documento, *perfil).aprovado;
}

// The collection in the trail: the entries, their first and last instants,
// the SHA-256 of the memory as the logger gave it, and the verdict when
// the logger has a profile.
void ColetaDados::registra(const Resultado &r, const QByteArray &memoria) const
{
    if (!m_ambiente.registros)
        return;
    const TAquisicao &a = *r.aquisicao;
    EventoAuditoria e;
    e.acao = AcaoAuditoria::Coleta;
    if (a.NumeroSerie != 0)
        e.serie = quint32(a.NumeroSerie);
    e.detalhes.insert(QStringLiteral("titulo"), a.Titulo);
    e.detalhes.insert(QStringLiteral("entradas"), a.NumLeituras());
    if (a.NumLeituras() > 0) {
        e.detalhes.insert(
            QStringLiteral("primeiro"), DataHora::paraQDateTime(a.instante(0)).toString(Qt::ISODateWithMs));
        e.detalhes.insert(QStringLiteral("ultimo"),
            DataHora::paraQDateTime(a.instante(a.NumLeituras() - 1)).toString(Qt::ISODateWithMs));
    }
    e.detalhes.insert(QStringLiteral("paginas"), int(memoria.size() / DecodificacaoColeta::TamanhoPagina));
    e.detalhes.insert(QStringLiteral("sha256"), SelosArquivo::sha256(memoria));
    if (r.aprovado) {
        e.detalhes.insert(QStringLiteral("aprovado"), *r.aprovado);
        e.detalhes.insert(QStringLiteral("perfil"), r.perfil);
    }
    // The data is already in hand: a trail that cannot be written does not
    // take it away (the status line says so).
    m_ambiente.registros->registra(e);
}
