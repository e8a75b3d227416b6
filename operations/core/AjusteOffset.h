#pragma once

#include "Ambiente.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

class TDatalogger;

// The offset window without its widgets: the two reads, each channel's
// offset as shown (tenths of a degree for Pt100, whole degrees for the
// thermocouples, the last decimal place of the channel's decimal code for
// the linear inputs), the up-down steps, and the write of the non-volatile
// block with only the offsets of the channels that have a sensor changed.
// An offset is one signed byte: the steps stop at -128 and 127.
class AjusteOffset
{
public:
    static constexpr int Minimo = -128;
    static constexpr int Maximo = 127;

    // The link and the environment's pointers must outlive the object.
    AjusteOffset(TDatalogger &datalogger, const Ambiente &ambiente);

    // Reads the configuration, then the non-volatile block, signals and
    // shows the offsets. False (after the failure's message) when a read
    // failed.
    bool RecebeConfiguracoes();
    // After the reads: the blocks as read.
    void preenche(const QByteArray &configuracao, const QByteArray &naoVolatil);

    // Channel 1 or 2: its text ("0" before the reads) and whether it has a
    // sensor (its text and label are shown only then).
    QString texto(int canal) const { return m_canal[indice(canal)].texto; }
    bool visivel(int canal) const { return m_canal[indice(canal)].codigo >= 128; }
    // One step up or down; at a bound nothing changes.
    void UpDownClick(int canal, bool acima);
    // The text of a channel as typed elsewhere (the command line), with
    // "," or ".": false, and nothing changed, when the channel has no
    // sensor, or, with the reason's message shown, when the text is not a
    // number, is not a whole number of the channel's steps (0,55 on a
    // Pt100) or lies beyond -128 to 127 steps.
    bool defineTexto(int canal, const QString &texto);

    // The non-volatile block as read with the offsets shown.
    QByteArray bloco() const;
    // Writes it; on success signals and says so, on failure warns.
    bool BitBtnOffsetClick();

    const QByteArray &naoVolatil() const { return m_naoVolatil; }

    // Pure rules, also used by the command line.
    static QString textoOffset(int contagem, int codigo, int decimais, QChar separador);
    // The count of a shown text; nothing when it is not a count.
    static std::optional<int> contagemOffset(const QString &texto, int codigo, int decimais);

private:
    struct Canal
    {
        int codigo = 0;
        int decimais = 0;
        QString texto = QStringLiteral("0");
    };
    static int indice(int canal) { return canal == 2 ? 1 : 0; }
    // Decimal places of a channel's offset: 1 for Pt100, 0 for the
    // thermocouples, the channel's own for the linear inputs.
    static int decimaisOffset(int codigo, int decimais);
    bool falha(int texto) const;
    // Shows the text with its arguments in order; false.
    bool recusa(int texto, const QStringList &argumentos) const;
    QChar separador() const;

    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
    QByteArray m_configuracao;
    QByteArray m_naoVolatil;
    Canal m_canal[2];
};
