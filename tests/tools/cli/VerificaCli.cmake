# Runs quorvane-cli and checks its exit code and output.
#   cmake -DCLI=<program> -DARGS=<a;b;c> -DCODIGO=<exit code>
#         -DSAIDA=<regex;regex...> [-DERROS=<regex;regex...>] -P VerificaCli.cmake
# Every regular expression must match (stdout for SAIDA, stderr for ERROS).
execute_process(COMMAND ${CLI} ${ARGS}
  RESULT_VARIABLE codigo OUTPUT_VARIABLE saida ERROR_VARIABLE erros TIMEOUT 60)
if(NOT codigo STREQUAL CODIGO)
  message(FATAL_ERROR "exit code ${codigo}, expected ${CODIGO}\nstdout:\n${saida}\nstderr:\n${erros}")
endif()
foreach(padrao IN LISTS SAIDA)
  if(NOT saida MATCHES "${padrao}")
    message(FATAL_ERROR "stdout does not match '${padrao}':\n${saida}")
  endif()
endforeach()
foreach(padrao IN LISTS ERROS)
  if(NOT erros MATCHES "${padrao}")
    message(FATAL_ERROR "stderr does not match '${padrao}':\n${erros}")
  endif()
endforeach()
