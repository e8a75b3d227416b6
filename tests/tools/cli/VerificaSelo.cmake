# A recording collected by quorvane-cli is sealed: verificar says it is whole,
# and once a byte was added, that it changed (exit code 1).
#   cmake -DCLI=<program> -DPASTA=<folder> -P VerificaSelo.cmake
file(REMOVE_RECURSE ${PASTA})
file(MAKE_DIRECTORY ${PASTA})
set(arquivo ${PASTA}/selado.qvg)
function(executa esperado padrao)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${PASTA}
    RESULT_VARIABLE codigo OUTPUT_VARIABLE saida ERROR_VARIABLE erros TIMEOUT 60)
  if(NOT codigo STREQUAL "${esperado}" OR NOT saida MATCHES "${padrao}")
    message(FATAL_ERROR "${ARGN}: exit code ${codigo} (expected ${esperado})\nstdout:\n${saida}\nstderr:\n${erros}")
  endif()
endfunction()
executa(0 "selado.qvg" coletar --porta simulador --saida ${arquivo})
executa(0 ": Íntegro \\(gravado em " verificar ${arquivo})
file(APPEND ${arquivo} "x")
executa(1 ": Alterado depois de gravado" verificar ${arquivo})
