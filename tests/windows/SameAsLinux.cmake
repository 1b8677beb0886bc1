# Converts the bundled sample and every real GPX file with the Linux and the Windows
# corvane-cli, in every code page, and fails on the first CSV file whose bytes differ. Each run
# has a minute; one that takes longer is ended and fails.
# cmake -DLINUX_CLI=... -DWINDOWS_CLI=... -DWINE=... -DSAMPLES=... -DWORK=... -P SameAsLinux.cmake
file(GLOB gpx_files "${SAMPLES}/*.gpx")
list(PREPEND gpx_files "${CMAKE_CURRENT_LIST_DIR}/../../samples/caches.gpx")
set(code_pages windows-1250 windows-1251 windows-1252 windows-1253 windows-1254 windows-1255
    windows-1256 windows-1257 windows-1258 utf-8)
file(MAKE_DIRECTORY "${WORK}")

set(compared 0)
foreach(gpx IN LISTS gpx_files)
  get_filename_component(name "${gpx}" NAME_WE)
  foreach(code_page IN LISTS code_pages)
    set(options --name "Corvid Kate" --hints --encoding ${code_page} --force --quiet "${gpx}")
    execute_process(COMMAND "${LINUX_CLI}" ${options} "${WORK}/linux.csv" RESULT_VARIABLE linux_status
                    OUTPUT_QUIET ERROR_VARIABLE linux_said TIMEOUT 60)
    # Wine's own errors go to the same output, so that a run Wine could not start says why.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEDEBUG=-all,err+all "${WINE}" "${WINDOWS_CLI}" ${options}
                            "${WORK}/windows.csv"
                    RESULT_VARIABLE windows_status OUTPUT_QUIET ERROR_VARIABLE windows_said TIMEOUT 60)
    if(NOT linux_status STREQUAL windows_status)
      message(FATAL_ERROR "${name} in ${code_page}: exit status ${linux_status} on Linux, ${windows_status} on "
                          "Windows\nLinux said: ${linux_said}\nWindows said: ${windows_said}")
    endif()
    # A file that does not load gives no CSV file on either system.
    if(NOT linux_status EQUAL 0)
      continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/linux.csv" "${WORK}/windows.csv"
                    RESULT_VARIABLE different TIMEOUT 60)
    if(different)
      message(FATAL_ERROR "${name} in ${code_page}: the Windows CSV file differs from the Linux one")
    endif()
    file(REMOVE "${WORK}/linux.csv" "${WORK}/windows.csv")
    math(EXPR compared "${compared} + 1")
  endforeach()
endforeach()
list(LENGTH gpx_files files)
message(STATUS "${compared} CSV files from ${files} GPX files are the same on Windows and Linux")
