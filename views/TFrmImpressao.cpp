#include "TFrmImpressao.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "CursorEspera.h"
#include "IRelogio.h"
#include "ImpressaoGrafico.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <cmath>

using RelatorioTexto::Modo;

namespace {

constexpr double kRecuo = 8;  // text inside the boxes, report units
constexpr double kAlturaCaixa = 60;  // the framed title box

QFont fonteTitulo(double pontos)
{
    QFont f;
    f.setFamilies({ QStringLiteral("Comic Sans MS"), QStringLiteral("Arial") });
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pontos);
    return f;
}

QFont fonteBase(bool negrito)
{
    QFont f;
    f.setFamilies({ QStringLiteral("Arial") });
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(10);
    f.setBold(negrito);
    return f;
}

QRectF escalado(double x, double y, double largura, double altura, double escala)
{
    return QRectF(x * escala, y * escala, largura * escala, altura * escala);
}

}  // namespace

TFrmImpressao::TFrmImpressao(
    const Ambiente &ambiente, RelatorioTexto::Modo modo, const QString &titulo, const QString &arquivo)
    : m_ambiente(ambiente)
    , ModoImpressao(modo)
    , m_titulo(titulo)
    , m_arquivo(arquivo)
{
}

TFrmImpressao::~TFrmImpressao() = default;

void TFrmImpressao::usaPagina(QPrinter &impressora)
{
    const QMarginsF margens(RelatorioTexto::kMargemMm, RelatorioTexto::kMargemMm, RelatorioTexto::kMargemMm,
        RelatorioTexto::kMargemMm);
    impressora.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, margens, QPageLayout::Millimeter));
}

TFrmImpressao::Falha TFrmImpressao::Preview(QPrinter &impressora, QWidget *pai, const MostraPrevia &mostra)
{
    return previa(
        impressora, pai, m_titulo, [this](QPrinter &p) { return imprime(p); }, mostra);
}

TFrmImpressao::Falha TFrmImpressao::previa(QPrinter &impressora, QWidget *pai, const QString &titulo,
    const std::function<Falha(QPrinter &)> &corre, const MostraPrevia &mostra, bool *impresso)
{
    const QPageLayout anterior = impressora.pageLayout();
    usaPagina(impressora);
    Falha falha = Falha::Nenhuma;
    if (impresso)
        *impresso = false;
    {
        QPrintPreviewDialog dialogo(&impressora, pai);
        dialogo.setWindowTitle(titulo.trimmed());
        QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
            [&corre, &falha, impresso](QPrinter *p) {
                // The preview draws through a picture engine of its own.
                const QPaintEngine *motor = p->paintEngine();
                const bool papel = motor && motor->type() != QPaintEngine::Picture;
                const Falha f = corre(*p);
                if (falha == Falha::Nenhuma)
                    falha = f;
                if (impresso && papel && f == Falha::Nenhuma)
                    *impresso = true;
            });
        if (mostra) {
            mostra(dialogo);
        } else {
            // Nearly the whole screen, also where no window manager
            // maximises it.
            if (const QScreen *tela = pai ? pai->screen() : QGuiApplication::primaryScreen())
                dialogo.resize(tela->availableGeometry().size() * 9 / 10);
            dialogo.setWindowState(dialogo.windowState() | Qt::WindowMaximized);
            dialogo.exec();
        }
    }
    impressora.setPageLayout(anterior);
    return falha;
}

TFrmImpressao::Falha TFrmImpressao::imprime(QPrinter &impressora)
{
    QPainter pintor;
    if (!ImpressaoGrafico::comeca(pintor, impressora))
        return Falha::Impressora;
    const bool ok = executa(pintor, impressora, false);
    if (!pintor.end())
        return Falha::Impressora;
    return ok ? Falha::Nenhuma : Falha::Arquivo;
}

bool TFrmImpressao::imprimeApos(QPainter &pintor, QPrinter &impressora)
{
    return executa(pintor, impressora, true);
}

// The report's run: the file read again from its start, then page after
// page until the lines end.
bool TFrmImpressao::executa(QPainter &pintor, QPrinter &impressora, bool novaPagina)
{
    CursorEspera espera;
    if (!QRp_ImpressaoBeforePrint())
        return false;
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
    const double escala = impressora.resolution() / RelatorioTexto::kUnidadesPorPolegada;
    const int porPagina = RelatorioTexto::linhasPorPagina(ModoImpressao, area.height() / escala);
    RelatorioTexto::Paginacao paginas(
        [this](QString &linha) { return QRp_ImpressaoNeedData(linha); }, porPagina);
    QStringList linhas;
    while (paginas.proxima(linhas)) {
        if ((novaPagina || paginas.pagina() > 1) && !impressora.newPage())
            return false;
        desenhaPagina(pintor, linhas, paginas.pagina(), escala, QRectF(0, 0, area.width(), area.height()));
    }
    m_texto.reset();
    m_leitura.close();
    return true;
}

bool TFrmImpressao::QRp_ImpressaoBeforePrint()
{
    m_texto.reset();
    m_leitura.close();
    m_leitura.setFileName(m_arquivo);
    if (!m_leitura.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    m_texto = std::make_unique<QTextStream>(&m_leitura);
    m_texto->setEncoding(QStringConverter::Utf8);
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    m_dataHora = m_ambiente.relogio ? RelatorioTexto::dataHora(m_ambiente.relogio->dataHoraAtual(), regional)
                                    : QString();
    return true;
}

bool TFrmImpressao::QRp_ImpressaoNeedData(QString &linha)
{
    if (!m_texto || m_texto->atEnd())
        return false;
    linha = m_texto->readLine();
    return true;
}

void TFrmImpressao::desenhaPagina(
    QPainter &pintor, const QStringList &linhas, int pagina, double escala, const QRectF &area) const
{
    const double largura = area.width() / escala;
    const double altura = area.height() / escala;
    pintor.save();
    pintor.setPen(QPen(Qt::black, std::max(1.0, escala)));
    desenhaCabecalho(pintor, escala, largura);

    pintor.setFont(fonteBase(false));
    double y = RelatorioTexto::alturaCabecalho(ModoImpressao);
    for (const QString &linha : linhas) {
        desenhaColunas(pintor, linha, y, escala, largura);
        y += RelatorioTexto::kAlturaLinha;
    }

    const double rodape = altura - RelatorioTexto::kAlturaRodape;
    const QRectF caixa = escalado(0, rodape + 5, largura, RelatorioTexto::kAlturaRodape - 5, escala);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(caixa);
    pintor.setFont(fonteTitulo(10));
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    pintor.drawText(caixa.adjusted(kRecuo * escala, 0, -kRecuo * escala, 0),
        Qt::AlignRight | Qt::AlignVCenter, RelatorioTexto::rodape(pagina, catalogo));
    pintor.restore();
}

// A line at y: the text before the first tab at the left, each text after
// a tab at its column (the last one takes what follows), cut at the next.
void TFrmImpressao::desenhaColunas(
    QPainter &pintor, const QString &linha, double y, double escala, double largura) const
{
    const QList<double> tabs = RelatorioTexto::tabulacoes(ModoImpressao);
    QStringList partes = linha.split(u'\t');
    while (partes.size() > tabs.size() + 1)
        partes[partes.size() - 2] += u'\t' + partes.takeLast();
    const int alinhamento = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (qsizetype k = 0; k < partes.size(); ++k) {
        const double x = k == 0 ? kRecuo : tabs.at(k - 1);
        const double fim = k < tabs.size() && k + 1 < partes.size() ? tabs.at(k) - kRecuo : largura - kRecuo;
        pintor.drawText(escalado(x, y, std::max(0.0, fim - x), RelatorioTexto::kAlturaLinha, escala),
            alinhamento, partes.at(k));
    }
}

void TFrmImpressao::desenhaCabecalho(QPainter &pintor, double escala, double largura) const
{
    const QRectF caixa = escalado(0, 0, largura, kAlturaCaixa, escala);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(caixa);
    desenhaFigura(pintor, escalado(kRecuo, 10, 40, 40, escala));

    const QRectF texto = escalado(56, 0, largura - 56 - kRecuo, kAlturaCaixa, escala);
    pintor.setFont(fonteTitulo(12));
    pintor.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_titulo);
    pintor.setFont(fonteTitulo(10));
    pintor.drawText(texto, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, m_dataHora);

    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const QString colunas = RelatorioTexto::cabecalhoColunas(ModoImpressao, catalogo);
    if (!colunas.isEmpty()) {
        pintor.setFont(fonteBase(true));
        desenhaColunas(pintor, colunas, kAlturaCaixa + 5, escala, largura);
    }
}

// The small picture at the header's left: a table for the readings, an
// "i" in a circle for the general parameters.
void TFrmImpressao::desenhaFigura(QPainter &pintor, const QRectF &caixa) const
{
    pintor.save();
    const double passo = caixa.height() / 4;
    if (ModoImpressao == Modo::Leituras) {
        pintor.setBrush(QColor(128, 0, 0));
        pintor.drawRect(QRectF(caixa.topLeft(), QSizeF(caixa.width(), passo)));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRect(caixa);
        for (int k = 2; k < 4; ++k)
            pintor.drawLine(
                QLineF(caixa.left(), caixa.top() + k * passo, caixa.right(), caixa.top() + k * passo));
        pintor.drawLine(QLineF(caixa.center().x(), caixa.top() + passo, caixa.center().x(), caixa.bottom()));
    } else {
        pintor.setBrush(QColor(0, 128, 128));
        pintor.drawEllipse(caixa);
        QFont f = fonteTitulo(18);
        f.setFamilies({ QStringLiteral("Times New Roman"), QStringLiteral("serif") });
        f.setBold(true);
        pintor.setFont(f);
        pintor.setPen(Qt::white);
        pintor.drawText(caixa, Qt::AlignCenter, QStringLiteral("i"));
    }
    pintor.restore();
}

TFrmImpressao::Falha TFrmImpressao::imprimeVista(const Ambiente &ambiente, RelatorioTexto::Modo modo,
    const QString &titulo, const std::function<bool(const QString &arquivo)> &grava, QPrinter &impressora,
    QWidget *pai, const MostraPrevia &mostra)
{
    QTemporaryDir pasta;  // deleted with its files when the preview ends
    if (!pasta.isValid())
        return Falha::Arquivo;
    const QString arquivo = pasta.filePath(RelatorioTexto::nomeTemporario(modo));
    bool gravou = false;
    {
        CursorEspera espera;
        gravou = grava(arquivo);
    }
    if (!gravou)
        return Falha::Arquivo;
    TFrmImpressao relatorio(ambiente, modo, titulo, arquivo);
    return relatorio.Preview(impressora, pai, mostra);
}
