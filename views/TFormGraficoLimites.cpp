// The graph window's alarm limits: read for the document's logger, drawn
// on the chart, set in their dialog; and the summary window, which follows
// the range the chart shows and the limits.
#include "TFormGrafico.h"

#include "ArranjoGrafico.h"
#include "CamadaPerfil.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "GraficoLinhas.h"
#include "IMensagens.h"
#include "LimitesAlarme.h"
#include "PerfisGuardados.h"
#include "Registros.h"
#include "SerieLinhas.h"
#include "TFormResumo.h"
#include "TFrmLimitesAlarme.h"
#include "TFrmPerfis.h"
#include "VistaGrafico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

// Stored limits the limits' rule refuses are not used, and the user is told
// why; the dialog then shows the channel without them.
void TFormGrafico::AtualizaLimites()
{
    const TAquisicao &a = *m_aquisicao;
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const LimitesAlarme guardados(m_ambiente.configuracoes);
    for (int canal = 1; canal <= 2; ++canal) {
        const RegrasLimites::Leitura l
            = guardados.le(a.NumeroSerie, RegrasLimites::canal(a, canal), catalogo);
        m_limites[size_t(canal - 1)] = l.limites;
        if (!l.aceita() && canalComSensor(a, canal) && m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(l.erro);
    }
    // The profile may have changed with the limits (the one they make) or
    // on its own: the band and the summary's verdict follow it.
    QString erro;
    const std::optional<PerfilAlarme> perfil
        = PerfisGuardados(m_ambiente.configuracoes).escolhe(a.NumeroSerie, {}, catalogo, erro);
    m_faixaPerfil = perfil ? FaixaPerfil::calcula(a, avalia(a, *perfil)) : FaixaPerfil::Geometria();
    if (m_resumo)
        m_resumo->esqueceVeredito();
    desenhaLimites();
    atualizaResumo();
}

void TFormGrafico::MostraLimites(bool mostra)
{
    m_mostraLimites = mostra;
    desenhaLimites();
}

// Each limit of a shown channel, on the axis and in the colour of the
// series that shows the channel (the single series on the left axis in a
// one-channel document).
void TFormGrafico::desenhaLimites()
{
    QList<GraficoLinhas::LinhaLimite> linhas;
    const TAquisicao &a = *m_aquisicao;
    for (int canal = 1; m_mostraLimites && canal <= 2; ++canal) {
        const SerieLinhas *serie = a.umCanal() || canal == 1 ? Canal1 : Canal2;
        if (!serie || !serie->visivel() || !canalComSensor(a, canal))
            continue;
        const LimitesCanal &l = m_limites[size_t(canal - 1)];
        for (const std::optional<double> &valor : { l.alto, l.baixo }) {
            if (valor)
                linhas.append(
                    { serie->eixoVertical(), *valor, serie->cor(), texto(384).arg(serie->titulo()) });
        }
    }
    TheChart->defineLinhasLimite(linhas);
    // The profile's band and excursions go with the limits' switch.
    CamadaPerfil::apaga(*TheChart, m_itensPerfil);
    if (m_mostraLimites) {
        CamadaPerfil::Canais canais;
        for (int canal = 1; canal <= 2; ++canal) {
            const SerieLinhas *serie = a.umCanal() || canal == 1 ? Canal1 : Canal2;
            canais.mostrados[size_t(canal - 1)] = serie && serie->visivel() && canalComSensor(a, canal);
            if (serie)
                canais.cores[size_t(canal - 1)] = serie->cor();
        }
        m_itensPerfil = CamadaPerfil::desenha(*TheChart, m_faixaPerfil, canais);
    }
    TheChart->pedeRedesenho();
}

namespace {

QJsonValue valorJson(const std::optional<double> &v)
{
    return v ? QJsonValue(*v) : QJsonValue();
}

QJsonObject textoMudanca(const LimitesCanal &antes, const LimitesCanal &depois)
{
    return { { QStringLiteral("alto"), antesDepois(valorJson(antes.alto), valorJson(depois.alto)) },
        { QStringLiteral("baixo"), antesDepois(valorJson(antes.baixo), valorJson(depois.baixo)) } };
}

}  // namespace

// Limits changed go to the trail, with the logger's serial number; a trail
// that cannot be written leaves them kept and says so.
void TFormGrafico::registraLimites(qint32 serie, const QJsonObject &mudancas)
{
    if (mudancas.isEmpty() || !m_ambiente.registros)
        return;
    EventoAuditoria e { AcaoAuditoria::Limites, qint64(quint32(serie)), mudancas };
    if (!m_ambiente.registros->registra(e) && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(m_ambiente.catalogo->texto(443).arg(m_ambiente.registros->erro()));
}

void TFormGrafico::ConfigLimites()
{
    TFrmLimitesAlarme dialogo(m_ambiente, this);
    dialogo.SetaLimites(*m_aquisicao, m_limites);
    if (m_ligacoes.mostraLimites)
        m_ligacoes.mostraLimites(dialogo);
    else
        dialogo.exec();
    if (dialogo.Cancelado)
        return;
    const qint32 serie = m_aquisicao->NumeroSerie;
    if (m_ambiente.configuracoes) {
        LimitesAlarme limites(m_ambiente.configuracoes);
        QJsonObject mudancas;
        for (int canal = 1; canal <= 2; ++canal) {
            if (!canalComSensor(*m_aquisicao, canal))
                continue;
            const LimitesCanal antes = limites.le(serie, canal);
            const LimitesCanal depois = dialogo.limites()[size_t(canal - 1)];
            const GravacaoConfiguracao g = limites.grava(serie, canal, depois);
            if (!g.ok()) {
                if (m_ambiente.mensagens)
                    m_ambiente.mensagens->aviso(g.mensagem(m_ambiente.catalogo));
                break;
            }
            if (antes != depois)
                mudancas.insert(QStringLiteral("canal%1").arg(canal), textoMudanca(antes, depois));
        }
        registraLimites(serie, mudancas);
    }
    // The other graphs of the logger read them again; without a main
    // window, this one does.
    if (m_ligacoes.limitesGravados)
        m_ligacoes.limitesGravados(serie);
    else
        AtualizaLimites();
}

// The profiles: what the dialog writes is read again by every graph (a
// profile may be any logger's).
void TFormGrafico::ConfigPerfis()
{
    TFrmPerfis dialogo(m_ambiente, m_aquisicao->NumeroSerie, this);
    if (m_ligacoes.mostraPerfis)
        m_ligacoes.mostraPerfis(dialogo);
    else
        dialogo.exec();
    if (!dialogo.mudou())
        return;
    if (m_ligacoes.perfisGravados)
        m_ligacoes.perfisGravados();
    else
        AtualizaLimites();
}

std::pair<int, int> TFormGrafico::entradasMostradas() const
{
    const ExportacaoTexto::Faixa f = ExportacaoTexto::faixa(
        *m_aquisicao, TheChart->minimo(EixoGrafico::Inferior), TheChart->maximo(EixoGrafico::Inferior));
    return { f.primeira - 1, f.ultima - 1 };
}

TFormResumo *TFormGrafico::resumo() const
{
    return m_resumo.data();
}

void TFormGrafico::atualizaResumo()
{
    if (!m_resumo)
        return;
    const auto [primeira, ultima] = entradasMostradas();
    m_resumo->Atualiza(*m_aquisicao, m_limites, primeira, ultima);
}

// Brings the summary forward, or opens it over the place of the graph's
// views, beside the graph.
void TFormGrafico::MostraResumo()
{
    if (m_resumo) {
        TrazParaFrente(m_resumo);
        return;
    }
    const QString sufixo = texto(227);
    QString nome = windowTitle();
    if (nome.endsWith(sufixo))
        nome.chop(sufixo.size());
    m_resumo = TFormResumo::Abre_Resumo(nome, contexto());
    connect(m_resumo, &TFormResumo::pedeLimites, this, &TFormGrafico::ConfigLimites);
    connect(m_resumo, &TFormResumo::pedePerfis, this, &TFormGrafico::ConfigPerfis);
    atualizaResumo();
    auto *sub = qobject_cast<QMdiSubWindow *>(m_resumo->parentWidget());
    QMdiArea *area = sub ? sub->mdiArea() : nullptr;
    if (area) {
        const ArranjoGrafico::Arranjo r = ArranjoGrafico::calcula(
            area->viewport()->rect(), 0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
        sub->setGeometry(r.informacoes.united(r.leituras));
        // Over a graph that takes the whole width (after a cascade), the
        // graph gives way, so that its right axis stays in sight.
        if (auto *propria = qobject_cast<QMdiSubWindow *>(parentWidget());
            propria && !propria->isMaximized() && !propria->isMinimized())
            propria->setGeometry(ArranjoGrafico::aoLadoDe(propria->geometry(), sub->geometry()));
    }
}

void TFormGrafico::PrintResumo(QPrinter &impressora)
{
    if (m_resumo)
        m_resumo->Print(impressora, m_ligacoes.mostraPrevia);
}
