#pragma once

#include <QDateTime>
#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Catalogo;
struct BlocoConfiguracao;

// When a recording logger's memory runs out, from its configuration block:
// the acquisitions still to come until its stop (the memory full, or the
// count it stops after) or, for a logger that never stops, until it starts
// to overwrite its oldest entries; each comes after its interval times the
// readings averaged into it, the first of them after what is left of the
// current one.
struct PrevisaoMemoria
{
    enum class Tipo {
        Nenhuma,  // not recording, or nothing to say
        Enche,  // stops with the memory full
        Para,  // stops after its count, the memory not yet full
        Sobrescreve,  // never stops: overwrites its oldest entries from then on
    };
    Tipo tipo = Tipo::Nenhuma;
    qint64 segundos = 0;  // from the reading; 0 when it already happened

    static PrevisaoMemoria de(const BlocoConfiguracao &c);
};

// A logger's situation as the "Loggers" window and quorvane-cli status
// show it: one row per port read.
struct EstadoLogger
{
    enum class Veredito { SemColeta, SemVeredito, Aprovada, Reprovada };
    enum class Atencao {
        Memoria = 0x1,  // above 90 %
        Bateria = 0x2,  // older than its rated life
        ColetaReprovada = 0x4,  // the last collection failed its profile
        SemResposta = 0x8,
    };
    Q_DECLARE_FLAGS(Atencoes, Atencao)

    static constexpr int LimiteMemoria = 90;  // percent

    int porta = 0;
    QString dispositivo;
    bool respondeu = false;
    QString motivo;  // why it did not answer
    qint64 serie = 0;
    QString numeroSerie;
    QString titulo;
    bool gravando = false;
    int memoria = 0;  // percent used
    PrevisaoMemoria previsao;
    QDateTime previsto;  // now plus previsao.segundos
    QDateTime bateria;  // the date of the last battery change; invalid when unknown
    QDateTime coleta;  // the last collection recorded
    Veredito veredito = Veredito::SemColeta;
    QString perfil;  // the profile of the verdict
    Atencoes atencoes;

    // Fills the fields the three blocks give, read at agora.
    void preenche(const BlocoConfiguracao &c, qint64 numero, const QString &textoSerie,
        const QString &tituloLogger, const QDateTime &dataBateria, const QDateTime &agora);
    // The reasons for attention, the battery judged by its rated life.
    static Atencoes avalia(const EstadoLogger &e, int vidaBateriaMeses, const QDateTime &agora);
    // Whole months from the battery change to agora; nothing when unknown.
    static std::optional<int> idadeBateria(const QDateTime &bateria, const QDateTime &agora);
    QStringList textosAtencao(const Catalogo &catalogo, int vidaBateriaMeses) const;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(EstadoLogger::Atencoes)

// Whether the logger is recording: a channel with a sensor, not stopped at
// its count or a full memory, and its latest acquisition not overdue.
bool loggerGravando(const BlocoConfiguracao &c);
// The memory used, in percent of the acquisitions it holds.
int memoriaUsada(const BlocoConfiguracao &c);
// The rows in the order shown: those needing attention first, the ports in
// order within each group.
void ordenaLoggers(QList<EstadoLogger> &linhas);
