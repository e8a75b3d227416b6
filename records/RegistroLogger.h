#pragma once

#include "IObservadorLogger.h"

#include <QJsonObject>

#include <optional>

class Catalogo;
class Registros;

// The record of what the program writes to a logger: the link's observer.
// Before a write its intent goes to the trail, with every field that
// changes, old and new (as the blocks read from the same logger give them);
// when the intent cannot be recorded the write is refused. The outcome
// follows the write. A battery date or an offset written alone is recorded
// as such; a stop as a stop.
class RegistroLogger : public IObservadorLogger
{
public:
    RegistroLogger(Registros &registros, const Catalogo *catalogo = nullptr);

    void portaAberta() override;
    void lido(Leitura bloco, const QByteArray &bytes) override;
    bool antesDeEscrever(Escrita comando, const QByteArray &bytes, QString *motivo) override;
    void depoisDeEscrever(Escrita comando, const QByteArray &bytes, bool ok) override;

    // The serial number of the logger last read on this port.
    std::optional<qint64> serie() const;

    // The fields of two blocks that differ, as {"campo": {"antes": …, "depois": …}};
    // the old block may be empty (not read), its values then null.
    static QJsonObject diferencas(Escrita comando, const QByteArray &antes, const QByteArray &depois);
    // The action a write is recorded as.
    static QString acao(Escrita comando, const QJsonObject &diferencas);

private:
    Registros &m_registros;
    const Catalogo *m_catalogo;
    QByteArray m_configuracao;
    QByteArray m_naoVolateis;
    QByteArray m_calibracao;
    QString m_acao;
    std::optional<qint64> m_intencao;
};
