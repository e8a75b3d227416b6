#pragma once

#include "Ambiente.h"
#include "ColetaDados.h"
#include "GravacaoConfiguracao.h"
#include "ILinhaStatus.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Catalogo;
class TDatalogger;
class TMSComm;

// "Coletar todos": each logger on COM1 to COM4 collected in turn, each
// through a port of its own, so that the main window's port is left as it
// is. Each recording is saved into one folder as SERIAL_TITLE_AAAA-MM-DD_HHMM.qvg,
// sealed and recorded as a collection saved from its graph window is, and
// judged by its profile. A logger that fails is told in its outcome and the
// next one is collected all the same. No message box is shown for the
// link: each failure is the outcome's reason.
class ColetaTodos : private ILinhaStatus
{
public:
    // The device a port number maps to ("simulador" for the simulated
    // Tarvek), and a closed port of its own on a device (null when none).
    using LeDestino = std::function<QString(int porta)>;
    using CriaPorta = std::function<std::unique_ptr<TMSComm>(const QString &destino)>;

    struct Resultado
    {
        int porta = 0;
        QString dispositivo;
        QString numeroSerie;  // as the program shows it; empty when no logger answered
        QString titulo;
        QString arquivo;  // the recording saved; empty on failure
        std::optional<bool> aprovado;  // the verdict; none without a profile
        QString perfil;  // the profile's name, or why there is no verdict
        QString motivo;  // why it failed; empty when collected and saved
        bool ok() const { return motivo.isEmpty(); }
    };

    // The pages of each logger through ColetaDados::Observador, and the
    // port about to be woken.
    class Observador : public ColetaDados::Observador
    {
    public:
        virtual void iniciaPorta(int porta, const QString &dispositivo) = 0;
    };

    // The environment's pointers must outlive the object.
    ColetaTodos(const Ambiente &ambiente, LeDestino destino, CriaPorta criaPorta);

    // The folder kept in the settings (section COLETA, key PASTA_TODOS);
    // empty when none was chosen.
    static QString pastaGuardada(const IConfiguracoes *configuracoes);
    static GravacaoConfiguracao guardaPasta(IConfiguracoes *configuracoes, const QString &pasta);

    // The ports collected: each one assigned in section PORTAS (the
    // simulated Tarvek or a device, present or not), or whose device by
    // default is among the system's serial devices; a device once.
    QList<int> portas() const;
    // Collects each of portas() into pasta (made when missing), in order.
    QList<Resultado> executa(const QString &pasta, Observador *observador);

    // "SERIAL_TITLE_AAAA-MM-DD_HHMM.qvg", with what a file name cannot hold
    // on Windows or Linux in either part replaced by '_' (/ \ : * ? " < > |
    // and control characters; trailing dots and blanks).
    static QString nomeArquivo(const QString &numeroSerie, const QString &titulo, const QDateTime &instante);
    // The path of nome in pasta, or with " (2)", " (3)"... before its
    // extension when a file of that name exists: nothing is overwritten.
    static QString caminhoLivre(const QString &pasta, const QString &nome);

    // The outcome in words: the verdict and the profile ("APROVADO — Perfil:
    // Vacinas"), "Sem perfil", or "FALHA: " and the reason.
    static QString textoResultado(const Resultado &resultado, const Catalogo &catalogo);

private:
    void defineTexto(const QString &texto) override { m_texto = texto; }
    void defineCor(Cor cor) override { m_cor = cor; }
    void repinta() override { }
    QString texto(int numero) const;
    Resultado coleta(int porta, const QString &pasta, Observador *observador);
    QString motivoLink(const TDatalogger &link, const QString &mensagem) const;
    void grava(ColetaDados::Resultado coletado, const QString &pasta, Resultado &r) const;

    Ambiente m_ambiente;
    LeDestino m_destino;
    CriaPorta m_criaPorta;
    QString m_texto;
    Cor m_cor = Cor::Preto;
};
