#pragma once

#include <QByteArray>
#include <QString>

class Catalogo;
struct CamposDataHora;
struct ConfigRegional;
class TAquisicao;

// The lines of the readings list, made one at a time: line 0 is the column
// heading, line k belongs to entry k - 1. An entry line puts the number at
// column 0, the time at 22, the date at 40, channel 1 at 55 and channel 2
// at 78 (as long as no field is wider than its column).
class LinhasLeituras
{
public:
    // The document and the settings must outlive this object.
    LinhasLeituras(const TAquisicao &aquisicao, const Catalogo &catalogo, const ConfigRegional &regional);

    // Heading plus one line per entry.
    int quantidade() const;
    QString linha(int k) const;
    QString cabecalho() const;
    QString entrada(int i) const;
    // Entry i's line as 8-bit text (what the export writes), appended.
    void anexaEntrada(QByteArray &saida, int i) const;

private:
    void anexaHoraData(QByteArray &saida, int i) const;
    void anexaValores(QByteArray &saida, int i) const;

    const TAquisicao &m_aquisicao;
    const Catalogo &m_catalogo;
    const ConfigRegional &m_regional;
    bool m_horaPadrao;  // the long time format is hh:nn:ss
    char m_sepDecimal;
    char m_sepData;
    char m_sepHora;
};
