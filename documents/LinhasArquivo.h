#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

// The line forms shared by the program's text files (.qvg, .qvj): lines end
// in CR LF, texts are 8-bit, dates "dd/mm/yyyy" and times "hh:nn:ss" with
// "/" and ":" whatever the regional settings, values with two decimals.
namespace LinhasArquivo {

void linha(QByteArray &saida, std::string_view texto);
void linhaInteira(QByteArray &saida, int64_t valor);
// A text field on one line; a line break inside it becomes a blank.
void linhaTexto(QByteArray &saida, const QString &texto);
// "%.2f" with the given decimal separator byte.
void linhaValor(QByteArray &saida, double valor, char separador);
// The date line and the time line of an instant.
void linhasDataHora(QByteArray &saida, double instante);
// The integer part of a value, held to the 64-bit range (0 when not finite).
int64_t parteInteira(double v);

// A date line and a time line as one instant; nothing when either does not
// convert.
std::optional<double> instante(std::string_view linhaData, std::string_view linhaHora);

}  // namespace LinhasArquivo
