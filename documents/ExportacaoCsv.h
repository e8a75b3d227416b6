#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QTimeZone>

struct ConfigRegional;
class TAquisicao;

// The CSV export of an acquisition: one header line ("Instante", then each
// used channel's name and unit, "Entrada (°C)"), then one line per entry:
// its instant as ISO 8601 text with the offset from UTC of that instant
// (".5" on the half-second mark) and each used channel's value with the
// channel's decimals. UTF-8, lines ended by CR LF; a field holding the
// separator, a double quote or a line end is put between double quotes.
namespace ExportacaoCsv {

struct Opcoes
{
    QChar separador = u';';
    QChar decimal = u',';
    bool bom = true;  // the UTF-8 byte-order mark first, for spreadsheets
    bool utc = false;  // instants in UTC ("Z") instead of local time
    QTimeZone zona = QTimeZone::systemTimeZone();  // where the instants are local
};

// The separators of the regional settings: ";" and the decimal comma where
// the decimal separator is ",", otherwise "," and the decimal point.
Opcoes opcoesRegionais(const ConfigRegional &regional);

// One field onto a line: as it is, or in double quotes (its quotes doubled)
// when it holds the separator, a quote or a line break.
void acrescentaCampo(QByteArray &saida, const QByteArray &campo, char separador);

// The channels (1, 2) the document uses, in order.
QList<int> canaisUsados(const TAquisicao &aquisicao);

// The file's bytes for the entries primeira to ultima (0-based, both
// included; nothing when ultima < primeira), held to the entries that exist.
QByteArray conteudo(const TAquisicao &aquisicao, int primeira, int ultima, const Opcoes &opcoes);

// Writes the file through a temporary file: a failure leaves whatever was
// at the path untouched.
bool grava(
    const TAquisicao &aquisicao, const QString &caminho, int primeira, int ultima, const Opcoes &opcoes);

}  // namespace ExportacaoCsv
