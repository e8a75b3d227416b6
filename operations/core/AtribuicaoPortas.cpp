#include "AtribuicaoPortas.h"

#include "IConfiguracoes.h"

namespace {

const QString Secao = QStringLiteral("PORTAS");
const QString PastaPorId = QStringLiteral("/dev/serial/");
// Past this, a device name in the menu loses its middle.
constexpr int LarguraMenu = 32;

QString chave(int porta)
{
    return QStringLiteral("COM%1").arg(porta);
}

QString cabeNoMenu(const QString &nome)
{
    if (nome.size() <= LarguraMenu)
        return nome;
    const int metade = (LarguraMenu - 1) / 2;
    return nome.left(metade) + QChar(0x2026) + nome.right(LarguraMenu - 1 - metade);
}

}  // namespace

AtribuicaoPortas::AtribuicaoPortas(
    const IListaPortas *lista, IConfiguracoes *configuracoes, LeDestino destino)
    : m_lista(lista)
    , m_configuracoes(configuracoes)
    , m_destino(std::move(destino))
    , m_linhas(listaDe(lista))
{
}

QList<AtribuicaoPortas::Linha> AtribuicaoPortas::listaDe(const IListaPortas *lista)
{
    QList<Linha> linhas;
    if (lista) {
        const QList<DispositivoSerial> presentes = lista->dispositivos();
        for (const DispositivoSerial &d : presentes)
            linhas.append({ d, false });
    }
    Linha simulador;
    simulador.dispositivo.dispositivo = TMSComm::Simulador;
    simulador.simulador = true;
    linhas.append(simulador);
    return linhas;
}

bool AtribuicaoPortas::atualizaLista()
{
    QList<Linha> novas = listaDe(m_lista);
    const auto iguais = [](const Linha &a, const Linha &b) {
        return a.simulador == b.simulador && a.dispositivo == b.dispositivo;
    };
    if (std::equal(novas.begin(), novas.end(), m_linhas.begin(), m_linhas.end(), iguais))
        return false;
    m_linhas = std::move(novas);
    return true;
}

QString AtribuicaoPortas::gravado(int porta) const
{
    return TMSComm::PortaValida(porta) && m_destino ? m_destino(porta) : QString();
}

QString AtribuicaoPortas::destino(int porta) const
{
    if (!TMSComm::PortaValida(porta))
        return {};
    const QString &escolha = m_escolhas[porta - 1];
    if (!escolha.isEmpty())
        return escolha;
    return m_destino ? m_destino(porta) : QString();
}

void AtribuicaoPortas::escolhe(int porta, const QString &destino)
{
    if (TMSComm::PortaValida(porta))
        m_escolhas[porta - 1] = destino.trimmed();
}

QString AtribuicaoPortas::caminhoReal(const QString &caminho, const IListaPortas *lista)
{
    if (!lista)
        return caminho;
    const QList<DispositivoSerial> presentes = lista->dispositivos();
    for (const DispositivoSerial &d : presentes) {
        if (!d.porId.isEmpty() && d.porId == caminho)
            return d.dispositivo;
    }
    const SituacaoDispositivo s = lista->situacao(caminho);
    return s.existe && !s.caminhoReal.isEmpty() ? s.caminhoReal : caminho;
}

QString AtribuicaoPortas::valorGravado(const QString &destino) const
{
    const QString t = destino.trimmed();
    if (TMSComm::EhSimulador(t))
        return TMSComm::Simulador;
    const QString real = caminhoReal(t, m_lista);
    for (const Linha &l : m_linhas) {
        if (!l.simulador && l.dispositivo.dispositivo == real && !l.dispositivo.porId.isEmpty())
            return l.dispositivo.porId;
    }
    return t;
}

bool AtribuicaoPortas::mesmoDispositivo(const QString &a, const QString &b) const
{
    if (TMSComm::EhSimulador(a) || TMSComm::EhSimulador(b))
        return TMSComm::EhSimulador(a) && TMSComm::EhSimulador(b);
    return caminhoReal(a.trimmed(), m_lista) == caminhoReal(b.trimmed(), m_lista);
}

QList<int> AtribuicaoPortas::grava(GravacaoConfiguracao *falha)
{
    QList<int> gravadas;
    for (int porta = TMSComm::PrimeiraPorta; porta <= TMSComm::UltimaPorta; ++porta) {
        const QString escolha = std::exchange(m_escolhas[porta - 1], QString());
        if (escolha.isEmpty() || !m_configuracoes)
            continue;
        const QString atual = m_destino ? m_destino(porta) : QString();
        if (mesmoDispositivo(escolha, atual))
            continue;
        const GravacaoConfiguracao g = m_configuracoes->grava(Secao, chave(porta), valorGravado(escolha));
        if (!g.ok()) {
            if (falha)
                *falha = g;
            // The choices not written stay, for another try.
            m_escolhas[porta - 1] = escolha;
            break;
        }
        gravadas.append(porta);
    }
    return gravadas;
}

QString AtribuicaoPortas::textoUsb(int vid, int pid)
{
    if (vid < 0 || pid < 0)
        return {};
    return QStringLiteral("%1:%2").arg(vid, 4, 16, QLatin1Char('0')).arg(pid, 4, 16, QLatin1Char('0'));
}

QString AtribuicaoPortas::legendaMenu(int porta, const QString &destino, const IListaPortas *lista)
{
    QString mostrado = destino.trimmed();
    if (mostrado.startsWith(PastaPorId)) {
        const QString real = caminhoReal(mostrado, lista);
        mostrado = real != mostrado ? real : mostrado.section(u'/', -1);
    }
    const QString legenda = QStringLiteral("COM&%1").arg(porta);
    if (mostrado.isEmpty())
        return legenda;
    // An ampersand of the name is shown, not taken for a shortcut.
    return legenda + QStringLiteral(" (%1)").arg(cabeNoMenu(mostrado).replace(u'&', QStringLiteral("&&")));
}
