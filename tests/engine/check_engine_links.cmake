# Fails when the engine library links a widget module: checked on the
# library's declared link libraries (LINKS) and on the shared libraries an
# engine test program (BINARY) needs at run time.
foreach(module Widgets PrintSupport)
  if(LINKS MATCHES "Qt6?::${module}")
    message(FATAL_ERROR "the engine library links Qt ${module}: ${LINKS}")
  endif()
endforeach()

find_program(READELF readelf REQUIRED)
execute_process(COMMAND "${READELF}" -d "${BINARY}"
  OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${BINARY}")
endif()
if(NOT dynamic MATCHES "libQt6Core")
  message(FATAL_ERROR "${BINARY} does not look like a Qt program")
endif()
foreach(module Widgets PrintSupport)
  if(dynamic MATCHES "libQt6${module}")
    message(FATAL_ERROR "${BINARY}, built on the engine alone, needs libQt6${module}")
  endif()
endforeach()
message(STATUS "the engine links Qt Core and Gui only")
