# cmake -DPROGRAM=<file> -P NoWidgetsCheck.cmake: fails when the program
# loads QtWidgets or QtGui, directly or through another library.
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
if(NOT libraries MATCHES "libQt6Core")
  message(FATAL_ERROR "${PROGRAM} does not load QtCore: the check would prove nothing")
endif()
if(libraries MATCHES "libQt6(Widgets|Gui)")
  message(FATAL_ERROR "${PROGRAM} loads ${CMAKE_MATCH_0}:\n${libraries}")
endif()
message(STATUS "${PROGRAM}: Qt Core only")
