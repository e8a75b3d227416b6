# quorvane-cli avaliar and perfis on the sample recording, with the profiles
# of a settings file of the tests' own (perfis/QUORVANE.INI: one that reads,
# one with no rule, one whose threshold is not a number, one with a negative
# duration): the verdict's exit code, and each bad input refused with exit 2.
if(NOT TARGET quorvane-cli)
  return()
endif()
set(amostra ${PROJECT_SOURCE_DIR}/tests/documents/cli/amostra.qvg)
set(verifica ${CMAKE_CURRENT_LIST_DIR}/VerificaCli.cmake)
# A case: its name, exit code, stdout and stderr patterns, the arguments.
function(caso_perfis nome codigo saida erros)
  add_test(NAME cli_perfis_${nome}
    COMMAND ${CMAKE_COMMAND} -E env QUORVANE_CONFIG_DIR=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/perfis LC_ALL=C.UTF-8
      ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=${ARGN}" -DCODIGO=${codigo}
      "-DSAIDA=${saida}" "-DERROS=${erros}" -P ${verifica})
endfunction()
caso_perfis(reprovado 3 "^REPROVADO\nPerfil: 2 a 8 °C\nCanal 1: acima de 8 °C em qualquer leitura — falha\n" "^$"
  avaliar ${amostra} --perfil geladeira)
caso_perfis(aprovado 0 "^APROVADO\nPerfil: Camara fria\n.*medido 0:00:10\n" "^$" avaliar ${amostra} --perfil camara)
caso_perfis(json 3 "\"aprovada\": false.*\"veredito\": \"REPROVADO\"" "^$"
  avaliar ${amostra} --perfil geladeira --json)
caso_perfis(resumo_json_sem_perfil 0 "\"avaliacao\": null" "^$" resumo ${amostra} --json)
caso_perfis(desconhecido 2 "^$" "Perfil \"nada\" não encontrado" avaliar ${amostra} --perfil nada)
caso_perfis(sem_regra 2 "^$" "o perfil \"vazio\" não tem regras" avaliar ${amostra} --perfil vazio)
caso_perfis(limite_nao_numero 2 "^$" "o limite \"oito\" não é um número" avaliar ${amostra} --perfil ruim)
caso_perfis(duracao_negativa 2 "^$" "a duração \"-60\" deve ser" avaliar ${amostra} --perfil neg)
caso_perfis(lista 2
  "vacina-transporte  \"Transporte de vacinas\"\n    0,evento,acima,45,sim,3600,inteira\n    0,acumulado,acima,30,sim,36000,inteira\n    0,evento,abaixo,-0[.]5,sim,3600,inteira\ncamara"
  "Perfil \"neg\"" perfis)
