#pragma once

#include "DescricaoTarvek.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

// Reads the JSON form of a description. Unknown keys are errors, so that a
// misspelt field does not pass unnoticed; the message names the key.
class LeitorDescricao
{
public:
    explicit LeitorDescricao(const QByteArray &json);
    std::optional<DescricaoTarvek> le(QString *erro);

    // The pieces, public for their own use elsewhere (scenario names, the
    // command line's faults).
    static std::optional<int> codigoSensor(const QJsonValue &v);
    static std::optional<int> codigoIntervalo(const QJsonValue &v);
    static std::optional<FalhaSimulada> falha(const QJsonValue &v, QString *erro);

private:
    bool leRaiz(const QJsonObject &o);
    bool leIdentidade(const QJsonObject &o);
    bool leConfiguracao(const QJsonObject &o);
    bool leAquisicoes(const QJsonObject &o);
    bool leCanal(const QJsonValue &v, CanalDescrito &c, int numero);
    bool leForma(const QJsonValue &v, FormaOnda &f, const QString &onde);
    bool leBrutos(const QJsonObject &o);
    bool leFalhas(const QJsonValue &v);

    bool chavesConhecidas(const QJsonObject &o, const QStringList &chaves, const QString &onde);
    bool inteiro(const QJsonObject &o, const QString &chave, int &destino, int minimo, int maximo);
    bool hex(const QJsonValue &v, QByteArray &destino, const QString &onde);
    bool dataHora(const QJsonValue &v, QDateTime &destino, const QString &onde);
    bool falhou(const QString &motivo);

    QByteArray m_json;
    DescricaoTarvek m_d;
    QString m_erro;
};
