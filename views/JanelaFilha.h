#pragma once

class QWidget;

// The kinds of child window the main window tells apart when it enables its
// commands. Each child window class marks itself with marcaJanela() in its
// constructor.
enum class TipoJanela { Outra, Grafico, Juncao, Dados, Informacoes };

void marcaJanela(QWidget *janela, TipoJanela tipo);
// The kind of a child window (of the widget itself or, for a QMdiSubWindow,
// of the widget it holds).
TipoJanela tipoJanela(const QWidget *janela);
