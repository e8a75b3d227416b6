#include "TFormResumo.h"

#include "Ambiente.h"
#include "AvaliacaoPerfil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "IMensagens.h"
#include "ImpressaoConformidade.h"
#include "ImpressaoGrafico.h"
#include "PerfisGuardados.h"
#include "RelatorioResumo.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"
#include "TFrmImpressao.h"
#include "TextoAvaliacao.h"

#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPainel = 360;
constexpr int kLegenda = 359;
constexpr int kBotaoLimites = 361;
constexpr int kInteira = 365;
constexpr int kMostrada = 366;
constexpr int kBotaoPerfis = 477;

QTableWidgetItem *celula(const QString &texto, Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *c = new QTableWidgetItem(texto);
    c->setTextAlignment(alinhamento);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}
// "20 °C (entrada 00013, 14/06/2024 17:03:00)": where it occurs goes under
// the value.
QTableWidgetItem *celulaValor(const QString &texto)
{
    return celula(QString(texto).replace(QStringLiteral(" ("), QStringLiteral("\n(")),
        Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

TFormResumo::TFormResumo(const Ambiente &ambiente, QWidget *parent)
    : VistaGrafico(ambiente, TipoJanela::Resumo, QColor(0, 96, 0), kPainel, u"FormGrafico", parent)
{
    auto *conteudo = new QWidget(this);
    Tabela = new QTableWidget(0, 3, conteudo);
    Tabela->setObjectName(QStringLiteral("TabelaResumo"));
    Tabela->setHorizontalHeaderLabels(
        { QString(), ambiente.catalogo->texto(kInteira), ambiente.catalogo->texto(kMostrada) });
    Tabela->verticalHeader()->hide();
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // The window is narrow beside its graph: a value's entry and instant
    // go under it, and long labels and values wrap.
    Tabela->setWordWrap(true);
    Tabela->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabela->setFont(fonte());
    Tabela->horizontalHeader()->setFont(fonte());
    Tabela->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    BotaoLimites = new QPushButton(ambiente.catalogo->texto(kBotaoLimites), conteudo);
    BotaoLimites->setObjectName(QStringLiteral("BotaoLimites"));
    auto *botoes = new QHBoxLayout;
    BotaoPerfis = new QPushButton(ambiente.catalogo->texto(kBotaoPerfis), conteudo);
    BotaoPerfis->setObjectName(QStringLiteral("BotaoPerfis"));
    botoes->addStretch(1);
    botoes->addWidget(BotaoLimites);
    // The verdict by the logger's profile, in words and in colour, above
    // the table; hidden when the recording has no profile.
    LabelVeredito = new QLabel(conteudo);
    LabelVeredito->setObjectName(QStringLiteral("LabelVeredito"));
    LabelVeredito->setWordWrap(true);
    LabelVeredito->setContentsMargins(6, 4, 6, 4);
    LabelVeredito->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelVeredito->hide();
    auto *layout = new QVBoxLayout(conteudo);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(LabelVeredito);
    // The profile dialog under the verdict it sets.
    auto *perfil = new QHBoxLayout;
    perfil->setContentsMargins(0, 2, 4, 2);
    perfil->addStretch(1);
    perfil->addWidget(BotaoPerfis);
    layout->addLayout(perfil);
    layout->addWidget(Tabela, 1);
    layout->addLayout(botoes);
    poeConteudo(conteudo);
    connect(BotaoLimites, &QPushButton::clicked, this, &TFormResumo::pedeLimites);
    connect(BotaoPerfis, &QPushButton::clicked, this, &TFormResumo::pedePerfis);
    resize(sizeHint());
}

TFormResumo *TFormResumo::Abre_Resumo(const QString &nome, const ContextoVista &contexto)
{
    auto *vista = new TFormResumo(*contexto.ambiente);
    vista->m_arquivo = nome;
    vista->coloca(nome + contexto.ambiente->catalogo->texto(kLegenda), contexto);
    return vista;
}

void TFormResumo::Atualiza(
    const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites, int primeira, int ultima)
{
    const Catalogo &catalogo = *m_ambiente.catalogo;
    const ConfigRegional &regional = *m_ambiente.regional;
    const QList<RelatorioResumo::Parte> inteira
        = RelatorioResumo::partes(aquisicao, limites, 0, aquisicao.NumLeituras() - 1, catalogo, regional);
    const QList<RelatorioResumo::Parte> mostrada
        = RelatorioResumo::partes(aquisicao, limites, primeira, ultima, catalogo, regional);
    // The printed summary carries the verdict after what it summarises.
    const QStringList veredito = mostraVeredito(aquisicao, limites);
    m_relatorio = RelatorioResumo::cabecalho(aquisicao, m_arquivo, catalogo, regional) + veredito
        + (veredito.isEmpty() ? QStringList() : QStringList { QString() }) + RelatorioResumo::linhas(inteira);

    const int rolagem = Tabela->verticalScrollBar()->value();
    Tabela->setRowCount(0);
    QFont negrito = fonte();
    negrito.setBold(true);
    for (const RelatorioResumo::Parte &parte : inteira) {
        const int titulo = Tabela->rowCount();
        Tabela->insertRow(titulo);
        QTableWidgetItem *t = celula(parte.titulo);
        t->setFont(negrito);
        t->setBackground(QColor(232, 240, 232));
        Tabela->setItem(titulo, 0, t);
        Tabela->setSpan(titulo, 0, 1, 3);
        for (const TextoResumo::Linha &l : parte.linhas) {
            const int linha = Tabela->rowCount();
            Tabela->insertRow(linha);
            Tabela->setItem(linha, 0, celula(l.rotulo));
            Tabela->setItem(linha, 1, celulaValor(l.valor));
            Tabela->setItem(linha, 2, celulaValor(RelatorioResumo::valor(mostrada, parte.canal, l.rotulo)));
        }
    }
    Tabela->verticalScrollBar()->setValue(rolagem);
}

// The verdict is of the whole recording: a zoom, which calls Atualiza
// again, does not judge it again; another recording or other limits do.
QStringList TFormResumo::mostraVeredito(
    const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites)
{
    const ChaveVeredito chave { &aquisicao, aquisicao.NumLeituras(), limites };
    if (m_chaveVeredito && *m_chaveVeredito == chave)
        return m_veredito;
    m_chaveVeredito = chave;
    m_veredito.clear();
    m_avaliacao.reset();
    const Catalogo &catalogo = *m_ambiente.catalogo;
    QString erro;
    const std::optional<PerfilAlarme> perfil
        = PerfisGuardados(m_ambiente.configuracoes).escolhe(aquisicao.NumeroSerie, {}, catalogo, erro);
    if (!perfil) {
        // A profile that does not read is said where the verdict would be.
        LabelVeredito->setVisible(!erro.isEmpty());
        LabelVeredito->setStyleSheet(QStringLiteral("background: #fff4d6; color: #5a4000"));
        LabelVeredito->setText(erro);
        return m_veredito;
    }
    const Avaliacao avaliacao = avalia(aquisicao, *perfil);
    const QStringList linhas
        = TextoAvaliacao::linhas(aquisicao, avaliacao, catalogo, *m_ambiente.regional, 2);
    LabelVeredito->setStyleSheet(avaliacao.aprovado ? QStringLiteral("background: #dff0d8; color: #0b4d0b")
                                                    : QStringLiteral("background: #f8d7d7; color: #7a0000"));
    QString texto = QStringLiteral("<b>%1</b>").arg(linhas.value(0).toHtmlEscaped());
    for (qsizetype i = 1; i < linhas.size(); ++i)
        texto += QStringLiteral("<br>") + linhas[i].toHtmlEscaped();
    LabelVeredito->setText(texto);
    LabelVeredito->show();
    m_veredito = linhas;
    m_avaliacao = avaliacao;
    return m_veredito;
}

bool TFormResumo::Print(QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra)
{
    const QStringList texto = m_relatorio;
    const auto grava
        = [&texto](const QString &arquivo) { return RelatorioTexto::gravaInformacoes(arquivo, texto); };
    return imprimeRelatorio(RelatorioTexto::Modo::Resumo, grava, impressora, mostra);
}

bool TFormResumo::ImprimeConformidade(
    QPrinter &impressora, const QString &caminho, const std::function<void(QPrintPreviewDialog &)> &mostra)
{
    if (!m_avaliacao || !m_chaveVeredito)
        return false;
    const ImpressaoConformidade::Dados dados { m_chaveVeredito->aquisicao, &*m_avaliacao, caminho };
    const auto corre = [this, &dados](QPrinter &p) {
        return ImpressaoConformidade::imprime(p, m_ambiente, dados) ? TFrmImpressao::Falha::Nenhuma
                                                                    : TFrmImpressao::Falha::Impressora;
    };
    bool impresso = false;
    const TFrmImpressao::Falha falha
        = TFrmImpressao::previa(impressora, this, m_ambiente.catalogo->texto(500), corre, mostra, &impresso);
    if (falha != TFrmImpressao::Falha::Nenhuma)
        m_ambiente.mensagens->aviso(m_ambiente.catalogo->texto(ImpressaoGrafico::TextoFalha));
    return impresso;
}
