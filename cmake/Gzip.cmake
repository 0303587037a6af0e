# cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P Gzip.cmake
# Compresses as Debian wants man pages and changelogs: the best level, and
# no name or time stamp inside, so that two builds give the same bytes.
execute_process(COMMAND gzip -9nc "${INPUT}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${INPUT}")
endif()
