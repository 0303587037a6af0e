# Run by CPack after it has built the packages (CPACK_POST_BUILD_SCRIPTS).
# CPack's DEB generator gives a package postinst and postrm scripts that
# call ldconfig whenever a shared library lies one folder below /usr/lib,
# even a private one like lib/tovrane/libzezip.so, which the loader never
# searches (the engine loads it by path). Lintian rightly calls that
# needless: the package is unpacked, the two scripts, which hold nothing but
# that call, are removed, and the package is built again.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${package}.unpacked")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-deb could not unpack ${package}")
  endif()
  foreach(script postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(EXISTS "${path}")
      file(STRINGS "${path}" lines)
      list(FILTER lines EXCLUDE REGEX "^(#!/bin/sh|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|\tldconfig|fi)?$")
      if(lines)
        message(FATAL_ERROR "${script} of ${package} does more than call ldconfig: ${lines}")
      endif()
      file(REMOVE "${path}")
    endif()
  endforeach()
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${package}"
    OUTPUT_QUIET RESULT_VARIABLE failed)
  file(REMOVE_RECURSE "${tree}")
  if(failed)
    message(FATAL_ERROR "dpkg-deb could not build ${package} again")
  endif()
endforeach()
