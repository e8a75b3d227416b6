# quorvane-cli end to end against the simulated logger in its own process
# (included by tests/tools): blocks given byte for byte go through the link
# and come out decoded; a failing link is reported with its error, every
# line of it as "quorvane-cli <command>: <text>".
if(NOT TARGET quorvane-cli)
  return()
endif()

set(verifica ${CMAKE_CURRENT_LIST_DIR}/VerificaCli.cmake)
set(info ${CMAKE_CURRENT_LIST_DIR}/tarvek-info.json)
set(checksum ${CMAKE_CURRENT_LIST_DIR}/tarvek-checksum.json)
set(pt100 ${CMAKE_CURRENT_LIST_DIR}/tarvek-pt100.json)

add_test(NAME cli_info_decodifica_blocos
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${info}" -DCODIGO=0
    "-DSAIDA=Sensor1 +129 +Termopar K\n;Sensor2 +0 +Nenhum\n;Intervalo +7199 +01:00:00\n;Parada +32768 +nunca para;Relogio +07/12/2026 09:30:[0-9][0-9]\n;Unidade1 +\"°C\"\n;LimiteInferior1 +-2000\n;LimiteSuperior1 +9999\n;Offset1 +-2\n;W0 +-100\n;W12 +300\n;NumeroSerie +123456 +000157920\n;Firmware +16 +1[.]0\n;Capacidade +10868\n;CargaBateria +74 +74%\n;MaximoLeiturasPorAquisicao +127\n;DataBateria +02/03/2026 14:30\n"
    -P ${verifica})

# Limits and offsets in the channel's unit: Pt100 limits in whole degrees
# shown with ",0", Pt100 offsets in tenths, a 0-50 mV channel with two
# decimals; the half-second interval as the configuration window names it.
add_test(NAME cli_info_na_unidade_do_canal
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${pt100}" -DCODIGO=0
    "-DSAIDA=Sensor1 +136 +Pt100\n;Intervalo +0 +0[.]5 seg[.]\n;LimiteInferior1 +-200 +-200,0\n;LimiteSuperior1 +320 +320,0\n;LimiteSuperior2 +5000 +50,00\n;Offset1 +5 +0,5\n;Offset2 +-4 +-0,04\n"
    -P ${verifica})

add_test(NAME cli_info_json
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${info};--json" -DCODIGO=0
    "-DSAIDA=\"Capacidade\": 10868;\"LimiteInferior1\": -2000;\"texto\": \"000157920\";\"Titulo\": \"Ensaio CLI\""
    -P ${verifica})

add_test(NAME cli_info_falha_mostra_erro_do_link
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${checksum}" -DCODIGO=1
    "-DERROS=^(quorvane-cli info: [^\n]+\n)+$;quorvane-cli info: Checksum esperado: [0-9]+\nquorvane-cli info: Checksum retornado: [0-9]+\n;quorvane-cli info: Erro de checksum!\nquorvane-cli info: Falhou leitura dos parâmetros de configuração[.]\n$"
    -P ${verifica})

add_test(NAME cli_uso_incorreto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--sem-isto" -DCODIGO=2
    "-DERROS=^quorvane-cli info: argumento não reconhecido: --sem-isto\n$" -P ${verifica})

add_test(NAME cli_simulador_inexistente
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;nao-existe.json" -DCODIGO=1
    "-DERROS=^quorvane-cli info: simulador: [^\n]+\n$" -P ${verifica})

# Without --descricao the simulated Tarvek is the one the program would use.
add_test(NAME cli_simulador_do_ambiente
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=info;--porta;simulador" -DCODIGO=1
    "-DERROS=^quorvane-cli info: simulador: [^\n]*nao-existe[.]json" -P ${verifica})
set_tests_properties(cli_simulador_do_ambiente PROPERTIES LABELS "core;cli" TIMEOUT 90
  ENVIRONMENT QUORVANE_SIMULADOR=nao-existe.json)

add_test(NAME cli_ajuda
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=--help" -DCODIGO=0 "-DSAIDA=info +lê e mostra"
    -P ${verifica})

set_tests_properties(cli_info_decodifica_blocos cli_info_na_unidade_do_canal cli_info_json
  cli_info_falha_mostra_erro_do_link cli_uso_incorreto cli_simulador_inexistente cli_ajuda
  PROPERTIES LABELS "core;cli" TIMEOUT 90)

# The serial devices and the port assignments of a settings file; a device
# that is not there is a reason with its path and what is present; a bare
# name is the device in /dev, and /dev/null is no serial device.
set(pasta_portas ${CMAKE_CURRENT_BINARY_DIR}/portas)
file(WRITE ${pasta_portas}/QUORVANE.INI
  "[COMUNICACAO]\r\nPORTA=2\r\n[PORTAS]\r\nCOM1=simulador\r\nCOM2=/dev/quorvane-porta-inexistente\r\nCOM4=null\r\n")
add_test(NAME cli_portas_texto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=portas" -DCODIGO=0
    "-DSAIDA=^Dispositivos seriais presentes:\n;\n  simulador\n +descrição: +Tarvek simulado[^\n]*\n\nPortas [^\n]+\n  COM1  simulador  [(]simulado[)]\n  COM2  /dev/quorvane-porta-inexistente  [(]não conectado, aberta ao iniciar[)]\n  COM3  /dev/ttyUSB0  [(][^,)]+, padrão[)]\n  COM4  null -> /dev/null  [(]não é um dispositivo serial[)]\n$"
    -P ${verifica})
add_test(NAME cli_portas_json
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=portas;--json" -DCODIGO=0
    "-DSAIDA=\"dispositivo\": \"simulador\",\n +\"fabricante\": null,\n +\"numeroSerie\": null,\n +\"pid\": null,\n +\"porId\": null,\n +\"simulado\": true,\n +\"vid\": null;\"destino\": \"/dev/quorvane-porta-inexistente\",\n +\"estado\": \"não conectado\",\n +\"existe\": false,\n[^}]+\"inicial\": true;\"caminhoReal\": \"/dev/null\",\n +\"destino\": \"null\",\n +\"estado\": \"não é um dispositivo serial\""
    -P ${verifica})
add_test(NAME cli_porta_ausente_diz_o_que_ha
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=info;--porta;2" -DCODIGO=1
    "-DERROS=^quorvane-cli info: Não foi possível abrir porta[.]\nquorvane-cli info: O dispositivo /dev/quorvane-porta-inexistente não está conectado[.] (Dispositivos presentes: [^\n]+[.]|Nenhum dispositivo serial está presente[.])\n$"
    -P ${verifica})
add_test(NAME cli_porta_nao_serial
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=info;--porta;4" -DCODIGO=1
    "-DERROS=\nquorvane-cli info: /dev/null não é um dispositivo serial[.]\n$"
    -P ${verifica})
# Every port's logger: those with no answer first, each with its reason;
# the simulated Tarvek read and recording.
add_test(NAME cli_status_json
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=status;--json" -DCODIGO=0
    "-DSAIDA=\"motivo\": \"Não foi possível abrir porta[.] O dispositivo /dev/quorvane-porta-inexistente não está conectado[.][^\n]*\",\n +\"porta\": 2,.*\"porta\": 4,.*\"dispositivo\": \"simulador\",\n +\"gravando\": true,.*\"numeroSerie\": \"[0-9]+\",\n +\"porta\": 1,\n +\"respondeu\": true"
    -P ${verifica})
set_tests_properties(cli_portas_texto cli_portas_json cli_porta_ausente_diz_o_que_ha cli_porta_nao_serial cli_status_json
  PROPERTIES LABELS "core;cli" TIMEOUT 90 ENVIRONMENT QUORVANE_CONFIG_DIR=${pasta_portas})

# The collection and the stop with the simulator in the process. The
# collection writes its page trace into the current folder, so the tests
# run in one of their own; no settings file is read.
set(pasta_coleta ${CMAKE_CURRENT_BINARY_DIR}/coleta)
file(MAKE_DIRECTORY ${pasta_coleta})
set(sem_config QUORVANE_CONFIG_DIR=${CMAKE_CURRENT_BINARY_DIR}/coleta/sem-config)
set(verifica_coleta ${CMAKE_CURRENT_LIST_DIR}/VerificaColeta.cmake)

add_test(NAME cli_coletar_selado_e_verificado
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> -DPASTA=${CMAKE_CURRENT_BINARY_DIR}/cli_selo
    -P ${CMAKE_CURRENT_LIST_DIR}/VerificaSelo.cmake)
add_test(NAME cli_coletar_separador_ponto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=coletar;--porta;simulador;--descricao;circular-2-bytes;--saida;tanque.qvg;--separador;."
    -DPASTA=${pasta_coleta}/ponto -DARQUIVO=tanque.qvg
    "-DLINHAS=3:^1000$;16:^Nivel do tanque 7$;21:^4014$;22:^22[.]80$;23:^0[.]00$;8048:^95[.]00$;8051:^4014$;8059:^113$"
    -P ${verifica_coleta})
add_test(NAME cli_coletar_separador_virgula
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=coletar;--porta;simulador;--descricao;circular-2-bytes;--separador;,"
    -DPASTA=${pasta_coleta}/virgula "-DARQUIVO=Nivel do tanque 7.qvg" "-DLINHAS=22:^22,80$;8048:^95,00$"
    -P ${verifica_coleta})
add_test(NAME cli_coletar_nada_armazenado
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=coletar;--porta;simulador;--descricao;vazio" -DCODIGO=1
    "-DERROS=^quorvane-cli coletar: Nenhuma aquisição foi efetuada[.]\n$" -P ${verifica})
add_test(NAME cli_coletar_falha_na_pagina
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=coletar;--porta;simulador;--descricao;falha-pagina" -DCODIGO=1
    "-DERROS=^quorvane-cli coletar: Erro de timeout na recepção!\nquorvane-cli coletar: Falha no comando de Upload[.]\n$" -P ${verifica})
add_test(NAME cli_coletar_uso_incorreto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=coletar;--porta;simulador;--separador;\\;" -DCODIGO=2 "-DERROS=separador decimal deve ser , ou [.]"
    -P ${verifica})
add_test(NAME cli_parar
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=parar;--porta;simulador" -DCODIGO=0 "-DSAIDA=^Aquisições finalizadas[.]\n$" -P ${verifica})
add_test(NAME cli_parar_falha
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=parar;--porta;simulador;--descricao;${CMAKE_CURRENT_LIST_DIR}/tarvek-parar-falha.json" -DCODIGO=1
    "-DERROS=^quorvane-cli parar: Erro de ACK!\nquorvane-cli parar: Falha no fim de aquisições[.]\n$" -P ${verifica})
set(testes_coleta cli_coletar_separador_ponto cli_coletar_separador_virgula cli_coletar_nada_armazenado
  cli_coletar_falha_na_pagina cli_coletar_uso_incorreto cli_parar cli_parar_falha)
set_tests_properties(${testes_coleta} PROPERTIES LABELS "core;cli" TIMEOUT 90
  WORKING_DIRECTORY ${pasta_coleta} ENVIRONMENT ${sem_config})

# The same through a serial device: the simulator on a pseudo-terminal.
if(UNIX AND TARGET quorvane-tarvek-sim)
  add_test(NAME cli_info_pelo_terminal
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/VerificaCliPty.sh $<TARGET_FILE:quorvane-tarvek-sim>
      $<TARGET_FILE:quorvane-cli> ${info})
  set_tests_properties(cli_info_pelo_terminal PROPERTIES LABELS "core;cli" TIMEOUT 90)
  add_test(NAME cli_coletar_pelo_terminal
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/VerificaColetaPty.sh $<TARGET_FILE:quorvane-tarvek-sim>
      $<TARGET_FILE:quorvane-cli>)
  set_tests_properties(cli_coletar_pelo_terminal PROPERTIES LABELS "core;cli" TIMEOUT 90)
endif()

# imprimir: charts and reports as PDF, without a screen; only where the
# windows are built. The recording and merged graph of tests/documents.
if(TARGET quorvane_views)
  set(imprimir_sh ${CMAKE_CURRENT_LIST_DIR}/VerificaImprimirCli.sh)
  set(amostra ${PROJECT_SOURCE_DIR}/tests/documents/cli/amostra.qvg)
  set(juncao ${PROJECT_SOURCE_DIR}/tests/documents/qvj/tres-gravacoes.qvj)
  add_test(NAME cli_imprimir_grafico
    COMMAND sh ${imprimir_sh} $<TARGET_FILE:quorvane-cli> ${amostra} - 1 "Câmara fria" "Temp \\(°C \\)"
      "Pressão \\(bar \\)")
  # Without a profile, the summary page after the chart.
  add_test(NAME cli_imprimir_grafico_e_relatorios
    COMMAND sh ${imprimir_sh} $<TARGET_FILE:quorvane-cli> ${amostra} --relatorio 5 "Câmara fria"
      "Resumo" "Canal 1: Temp \\(°C\\)"
      "Canal 2: Pressão \\(bar\\)" "Informações Gerais" "Número de Série: +00010010" "Total de Aquisições: 4" "Tabela de Aquisições"
      "Num. Registro +Horário +Data +Canal 1 +Canal 2" "00001 +10:00:00 +02/01/2000 +23,46 +-1,50"
      "00004 +10:00:30 +02/01/2000 +-7,25 +12,50" "Página: +1"
      "Procedência" "SHA-256: [0-9a-f]{64}" "Integridade +Sem registro" "Revisado por +_+" "Assinatura +_+")
  add_test(NAME cli_imprimir_juncao
    COMMAND sh ${imprimir_sh} $<TARGET_FILE:quorvane-cli> ${juncao} - 1 "Forno A\\(°C\\)" "Umidade\\(%\\)"
      "08:00:00")
  set_tests_properties(cli_imprimir_grafico cli_imprimir_grafico_e_relatorios cli_imprimir_juncao
    PROPERTIES LABELS "gui;cli" TIMEOUT 90 SKIP_RETURN_CODE 77)
  # With a profile, the compliance report: by the alarm limit kept for the
  # recording's logger, or the one named.
  add_test(NAME cli_imprimir_conformidade_pelos_limites
    COMMAND sh ${imprimir_sh} $<TARGET_FILE:quorvane-cli> ${amostra} --relatorio 2 "Relatório de conformidade"
      "REPROVADO" "Limites de alarme" "acima de 20 °C em qualquer leitura — falha" "Instante do pico"
      "SHA-256: [0-9a-f]{64}" "Assinatura +_+" "Tabela diária" "Dia +Mínimo +Máximo +Média +> 20 °C" "Página: +2")
  add_test(NAME cli_imprimir_conformidade_por_perfil
    COMMAND sh ${imprimir_sh} $<TARGET_FILE:quorvane-cli> ${amostra} "--relatorio --perfil congelador" 2
      "REPROVADO" "≤ −15 °C" "acima de -15 °C em qualquer leitura — falha" "Tabela diária")
  set_tests_properties(cli_imprimir_conformidade_pelos_limites cli_imprimir_conformidade_por_perfil
    PROPERTIES LABELS "gui;cli" TIMEOUT 90 SKIP_RETURN_CODE 77
    ENVIRONMENT "INI_TESTE=${CMAKE_CURRENT_LIST_DIR}/limites-amostra.ini;RETRATO=1")

  add_test(NAME cli_imprimir_relatorio_so_de_gravacao
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
      "-DARGS=imprimir;${juncao};--pdf;nao-escrito.pdf;--relatorio" -DCODIGO=2
      "-DERROS=^quorvane-cli imprimir: --relatorio vale só para arquivos [.]qvg\n$" -P ${verifica})
  add_test(NAME cli_imprimir_sem_pdf
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=imprimir;${amostra}" -DCODIGO=2
      "-DERROS=^quorvane-cli imprimir: informe o arquivo PDF de saída [(]--pdf[)]\n$" -P ${verifica})
  add_test(NAME cli_imprimir_arquivo_ausente
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
      "-DARGS=imprimir;nao-existe.qvj;--pdf;nao-escrito.pdf" -DCODIGO=1
      "-DERROS=^quorvane-cli imprimir: nao-existe[.]qvj: o arquivo não existe\n$" -P ${verifica})
  add_test(NAME cli_imprimir_pdf_impossivel
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
      "-DARGS=imprimir;${amostra};--pdf;${CMAKE_CURRENT_BINARY_DIR}/nao/existe/saida.pdf;--relatorio" -DCODIGO=1
      "-DERROS=^quorvane-cli imprimir: não foi possível escrever [^\n]+saida[.]pdf\n$" -P ${verifica})
  set_tests_properties(cli_imprimir_relatorio_so_de_gravacao cli_imprimir_sem_pdf cli_imprimir_arquivo_ausente
    cli_imprimir_pdf_impossivel PROPERTIES LABELS "gui;cli" TIMEOUT 90 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
