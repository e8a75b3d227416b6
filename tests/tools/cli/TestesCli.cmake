# quorvane-cli end to end against the simulated logger in its own process
# (included by tests/tools): blocks given byte for byte go through the link
# and come out decoded; a failing link is reported with its error.
if(NOT TARGET quorvane-cli)
  return()
endif()

set(verifica ${CMAKE_CURRENT_LIST_DIR}/VerificaCli.cmake)
set(info ${CMAKE_CURRENT_LIST_DIR}/tarvek-info.json)
set(checksum ${CMAKE_CURRENT_LIST_DIR}/tarvek-checksum.json)

add_test(NAME cli_info_decodifica_blocos
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${info}" -DCODIGO=0
    "-DSAIDA=Sensor1 +129 +Termopar K\n;Sensor2 +0 +Nenhum\n;Intervalo +7199 +01:00:00\n;Parada +32768 +nunca para;Relogio +07/12/2026 09:30:[0-9][0-9]\n;Unidade1 +\"°C\"\n;LimiteInferior1 +-2000\n;LimiteSuperior1 +9999\n;Offset1 +-2\n;W0 +-100\n;W12 +300\n;NumeroSerie +123456 +000157920\n;Firmware +16 +1[.]0\n;Capacidade +10868\n;CargaBateria +74 +74%\n;MaximoLeiturasPorAquisicao +127\n;DataBateria +02/03/2026 14:30\n"
    -P ${verifica})

add_test(NAME cli_info_json
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${info};--json" -DCODIGO=0
    "-DSAIDA=\"Capacidade\": 10868;\"LimiteInferior1\": -2000;\"texto\": \"000157920\";\"Titulo\": \"Ensaio CLI\""
    -P ${verifica})

add_test(NAME cli_info_falha_mostra_erro_do_link
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--descricao;${checksum}" -DCODIGO=1
    "-DERROS=Erro de checksum!\nFalhou leitura dos parâmetros de configuração[.]"
    -P ${verifica})

add_test(NAME cli_uso_incorreto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=info;--porta;simulador;--sem-isto" -DCODIGO=2 "-DERROS=argumento não reconhecido: --sem-isto"
    -P ${verifica})

add_test(NAME cli_ajuda
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=--help" -DCODIGO=0 "-DSAIDA=info +lê e mostra"
    -P ${verifica})

set_tests_properties(cli_info_decodifica_blocos cli_info_json cli_info_falha_mostra_erro_do_link
  cli_uso_incorreto cli_ajuda PROPERTIES LABELS "core;cli" TIMEOUT 90)

# The same through a serial device: the simulator on a pseudo-terminal.
if(UNIX AND TARGET quorvane-tarvek-sim)
  add_test(NAME cli_info_pelo_terminal
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/VerificaCliPty.sh $<TARGET_FILE:quorvane-tarvek-sim>
      $<TARGET_FILE:quorvane-cli> ${info})
  set_tests_properties(cli_info_pelo_terminal PROPERTIES LABELS "core;cli" TIMEOUT 90)
endif()
