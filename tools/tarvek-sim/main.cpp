// quorvane-tarvek-sim: the simulated Tarvek on a pseudo-terminal. Any
// program that opens the terminal's device at 19200 baud, 8E1, talks to it
// as to a logger on a serial port.

#include "CenariosTarvek.h"
#include "TarvekSimulado.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_sair = 0;

void pedeSaida(int)
{
    g_sair = 1;
}

struct Terminal
{
    int mestre = -1;
    int escravo = -1;  // held open so that the master never sees a hang-up between clients
    QString caminho;
};

bool abreTerminal(Terminal &t, QString *erro)
{
    t.mestre = posix_openpt(O_RDWR | O_NOCTTY);
    if (t.mestre < 0 || grantpt(t.mestre) != 0 || unlockpt(t.mestre) != 0) {
        *erro = QStringLiteral("pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const char *nome = ptsname(t.mestre);
    t.caminho = QString::fromLocal8Bit(nome);
    t.escravo = ::open(nome, O_RDWR | O_NOCTTY);
    termios modo {};
    if (t.escravo < 0 || tcgetattr(t.escravo, &modo) != 0) {
        *erro = QStringLiteral("%1: %2").arg(t.caminho, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Raw 8-bit bytes both ways, 19200 baud, even parity, one stop bit.
    cfmakeraw(&modo);
    cfsetispeed(&modo, B19200);
    cfsetospeed(&modo, B19200);
    modo.c_cflag |= PARENB | CLOCAL | CREAD;
    modo.c_cflag &= ~(PARODD | CSTOPB);
    tcsetattr(t.escravo, TCSANOW, &modo);
    fcntl(t.mestre, F_SETFL, fcntl(t.mestre, F_GETFL) | O_NONBLOCK);
    return true;
}

void anota(bool ligado, const char *sentido, const QByteArray &bytes, qint64 instanteMs)
{
    if (!ligado || bytes.isEmpty())
        return;
    std::fprintf(
        stderr, "%9.3f %s %s\n", instanteMs / 1000.0, sentido, bytes.toHex(' ').toUpper().constData());
    std::fflush(stderr);
}

// The bytes of one direction, logged in lines of up to 32.
class Registro
{
public:
    Registro(bool ligado, const QElapsedTimer &relogio)
        : m_ligado(ligado)
        , m_relogio(relogio)
    {
    }
    void recebidos(const QByteArray &bytes)
    {
        descarrega();
        anota(m_ligado, "->", bytes, m_relogio.elapsed());
    }
    void enviados(const QByteArray &bytes, bool ultimos)
    {
        m_saida.append(bytes);
        if (m_saida.size() >= 32 || ultimos)
            descarrega();
    }

private:
    void descarrega()
    {
        anota(m_ligado, "<-", m_saida, m_relogio.elapsed());
        m_saida.clear();
    }
    bool m_ligado;
    const QElapsedTimer &m_relogio;
    QByteArray m_saida;
};

// Serves the logger until a signal asks to stop.
void serve(Terminal &t, TarvekSimulado &tarvek, const QElapsedTimer &relogio, bool registra)
{
    Registro registro(registra, relogio);
    QByteArray pendente;  // answers the terminal could not take yet
    while (!g_sair) {
        const qint64 proxima = tarvek.proximaTransmissao();
        int espera = 100;
        if (!pendente.isEmpty())
            espera = 5;
        else if (proxima >= 0)
            espera = int(std::clamp<qint64>(proxima - relogio.elapsed(), 0, 100));
        pollfd p { t.mestre, short(POLLIN | (pendente.isEmpty() ? 0 : POLLOUT)), 0 };
        const int r = ::poll(&p, 1, espera);
        if (r < 0 && errno != EINTR)
            break;
        if (r > 0 && (p.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(t.mestre, buffer, sizeof buffer);
            if (n > 0) {
                const QByteArray recebidos(buffer, n);
                registro.recebidos(recebidos);
                tarvek.recebe(recebidos, relogio.elapsed());
            }
        }
        const QByteArray saida = tarvek.transmite(relogio.elapsed());
        registro.enviados(saida, tarvek.pendentes() == 0);
        pendente.append(saida);
        if (!pendente.isEmpty()) {
            const ssize_t n = ::write(t.mestre, pendente.constData(), size_t(pendente.size()));
            if (n > 0)
                pendente.remove(0, n);
        }
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"quorvane-tarvek-sim"_qs);
    QCommandLineParser linha;
    linha.setApplicationDescription(
        u"Simula um Tarvek num pseudo-terminal e escreve o caminho do dispositivo na saída padrão."_qs);
    linha.addHelpOption();
    const QCommandLineOption descricao(
        u"descricao"_qs, u"Descrição do registrador em JSON."_qs, u"arquivo"_qs);
    const QCommandLineOption cenario(u"cenario"_qs, u"Cenário embutido (veja --cenarios)."_qs, u"nome"_qs);
    const QCommandLineOption cenarios(u"cenarios"_qs, u"Lista os cenários embutidos e sai."_qs);
    const QCommandLineOption ligacao(
        u"link"_qs, u"Cria um link simbólico para o terminal."_qs, u"caminho"_qs);
    const QCommandLineOption registro(
        u"log"_qs, u"Registra na saída de erros os bytes nos dois sentidos."_qs);
    const QCommandLineOption cadencia(u"pace"_qs, u"Ritmo de 19200 baud, 8E1 (0,573 ms por byte)."_qs);
    linha.addOptions({ descricao, cenario, cenarios, ligacao, registro, cadencia });
    linha.process(app);

    if (linha.isSet(cenarios)) {
        std::printf("%s\n", qPrintable(CenariosTarvek::nomes().join(u'\n')));
        return 0;
    }
    QString erro;
    const std::optional<DescricaoTarvek> d = linha.isSet(descricao)
        ? CenariosTarvek::arquivo(linha.value(descricao), &erro)
        : CenariosTarvek::descricao(
            linha.value(cenario).isEmpty() ? CenariosTarvek::Padrao : linha.value(cenario), &erro);
    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<TarvekSimulado> tarvek = d
        ? CenariosTarvek::criaTarvek(*d, relogio.elapsed(), QDateTime::currentDateTime(), &erro)
        : nullptr;
    if (!tarvek) {
        std::fprintf(stderr, "quorvane-tarvek-sim: %s\n", qPrintable(erro));
        return 2;
    }
    if (linha.isSet(cadencia))
        tarvek->defineCadencia(true);

    Terminal t;
    if (!abreTerminal(t, &erro)) {
        std::fprintf(stderr, "quorvane-tarvek-sim: %s\n", qPrintable(erro));
        return 1;
    }
    const QString link = linha.value(ligacao);
    if (!link.isEmpty()) {
        QFile::remove(link);
        if (!QFile::link(t.caminho, link)) {
            std::fprintf(stderr, "quorvane-tarvek-sim: não foi possível criar o link %s\n", qPrintable(link));
            return 1;
        }
    }
    std::signal(SIGINT, pedeSaida);
    std::signal(SIGTERM, pedeSaida);
    std::signal(SIGHUP, pedeSaida);
    std::printf("%s\n", qPrintable(t.caminho));
    std::fflush(stdout);

    serve(t, *tarvek, relogio, linha.isSet(registro));

    if (!link.isEmpty())
        QFile::remove(link);
    ::close(t.escravo);
    ::close(t.mestre);
    return 0;
}
